#include <gtest/gtest.h>

#include "events/handlers.h"
#include "frontend/entry_description.h"
#include "test_support/headless_calculator.h"

namespace quorvel {
namespace {

// Keys in one resistor entry under Romanian settings, a row after another:
// the text and unit it starts from (none: where the row before left it),
// the key and its modifiers, the text and unit it ends with; and where
// looked at, the tooltip of the start.
TEST(StandardValues, UpAndDownStepThroughTheSeries) {
    struct Row {
        const char *start, *unit;
        std::int16_t key, shift;
        const char *shown, *unit_after, *tooltip = nullptr;
    };
    constexpr std::int16_t up = kKeyUp, down = kKeyDown, ctrl = kCtrlMask;
    const Row rows[] = {
        {"4K7", "Ohm", up, 0, "5,1", "kOhm", "E24: 4,7 kOhm (0,0 %) · E96: 4,75 kOhm (+1,1 %)"},
        {"4,8", "kOhm", up, 0, "5,1", "kOhm", "E24: 4,7 kOhm (\u22122,1 %) · E96: 4,75 kOhm (\u22121,0 %)"},
        {"4,8", "kOhm", down, 0, "4,7", "kOhm"},
        {"910", "Ohm", up, 0, "1", "kOhm", "E24: 910 Ohm (0,0 %) · E96: 909 Ohm (\u22120,1 %)"},
        {"1", "kOhm", down, 0, "910", "Ohm"},
        {"9,1", "MOhm", up, 0, "10", "MOhm"},
        {"0", "Ohm", up, 0, "1", "Ohm", ""},
        {"4,7", "kOhm", up, ctrl, "4,75", "kOhm"},
        {"4,7", "kOhm", down, ctrl, "4,64", "kOhm"},
        {"1000", "MOhm", up, 0, "1000", "MOhm", "E24: 1000 MOhm (0,0 %) · E96: 1000 MOhm (0,0 %)"},
        // A standard value a step reached is the table's own, not a hair off it.
        {"5,1", "Ohm", down, 0, "4,7", "Ohm"},
        {nullptr, nullptr, up, 0, "5,1", "Ohm"},
        // The ends of the range, and beyond them; Shift+Up is the entry's own.
        {"1", "Ohm", down, 0, "1", "Ohm"},
        {"0,5", "Ohm", down, ctrl, "0,5", "Ohm", ""},
        {"2G", "MOhm", down, 0, "1000", "MOhm", ""},
        {"1K", "kOhm", up, kShiftMask, "1K", "kOhm"},
    };
    testing::HeadlessCalculator calculator(testing::kRomanian);
    calculator.events.Load();
    calculator.Type(Field::txtIst, 0, "1");
    for (const Row& row : rows) {
        const std::string what = std::string(row.start ? row.start : "on") + " " + std::to_string(row.key);
        if (row.start) {
            calculator.fields.model.SetText(Field::cboRs, 1, row.unit);
            calculator.Type(Field::txtRs, 1, row.start);
        }
        if (row.tooltip) {
            const std::string tooltip = DescribeResistor(calculator.fields.model, 1).tooltip;
            // The nearest values first, the marking on its own line after them.
            const std::string nearest = tooltip.starts_with("Benzi") ? "" : tooltip.substr(0, tooltip.find('\n'));
            EXPECT_EQ(nearest, row.tooltip) << what;
        }
        const std::string before = calculator.fields.model.Text(Field::txtRs, 1);
        calculator.fields.Forget();
        EXPECT_EQ(calculator.events.KeyDown(Field::txtRs, 1, row.key, row.shift), row.shift != kShiftMask) << what;
        EXPECT_EQ(calculator.fields.model.Text(Field::txtRs, 1) + " " + calculator.fields.model.Text(Field::cboRs, 1),
                  std::string(row.shown) + " " + row.unit_after) << what;
        // One change of the pair, computed once.
        EXPECT_EQ(calculator.fields.recalculations, before == row.shown ? 0 : 1) << what;
        EXPECT_EQ(calculator.Results(), calculator.ExpectedResults()) << what;
    }
    EXPECT_FALSE(calculator.events.KeyDown(Field::txtIst, 0, kKeyUp, 0));  // the current entry keeps its keys
    EXPECT_TRUE(calculator.platform.reports.empty());
}

}  // namespace
}  // namespace quorvel
