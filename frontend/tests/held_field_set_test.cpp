#include <gtest/gtest.h>

#include "frontend/held_field_set.h"
#include "test_support/locales.h"

namespace quorvel {
namespace {

// A front end that only records what it is asked to write.
class RecordedFrontEnd final : public HeldFieldSet {
public:
    std::string ListItem(Field, int, int) const override { return {}; }

    std::vector<std::vector<std::string>> boxes_written;  // per write: "field(index)=text unit"
    mutable int locale_reads = 0;
    std::string entry = "0";

protected:
    std::string ControlText(Field, int) const override { return entry; }
    bool WriteControl(Field, int, const std::string& text) override {
        if (entry == text) return false;
        entry = text;
        return true;
    }
    void SelectDefault(Field, int) override {}
    void WriteResultBoxes(const std::vector<ChangedResult>& results) override {
        std::vector<std::string> written;
        for (const auto& r : results) {
            written.push_back(std::string(NameOf(r.value)) + std::to_string(r.index) + "=" + std::string(r.text) + " " +
                              std::string(r.unit));
        }
        boxes_written.push_back(written);
    }
    NumberLocale ReadLocale() const override {
        ++locale_reads;
        return testing::kDotLocale;
    }
};

TEST(HeldFieldSet, WritesEachChangedBoxOnceWhenTheEventEnds) {
    RecordedFrontEnd fields;
    fields.EventBegins();
    fields.SetText(Field::txtRst, "1002770");  // a raw value, then the scaled one
    fields.SetText(Field::txtRst, "1.003");
    fields.SetText(Field::lblUMs, "MOhm");
    fields.SetText(Field::txtUs, 2, "");       // written and back to its shown text
    fields.Locale();
    fields.Locale();
    EXPECT_TRUE(fields.boxes_written.empty());
    EXPECT_EQ(fields.Text(Field::txtRst), "1.003");  // what the calculation reads back
    fields.EventEnds();
    EXPECT_EQ(fields.boxes_written, (std::vector<std::vector<std::string>>{{"txtRst0=1.003 MOhm"}}));
    EXPECT_EQ(fields.locale_reads, 1);

    fields.SetText(Field::txtPst, "5");  // outside an event: at once
    EXPECT_EQ(fields.boxes_written.back(), (std::vector<std::string>{"txtPst0=5 "}));

    int changes = 0;
    fields.OnChange([&changes](Field, int) { ++changes; });
    fields.SetText(Field::txtIst, "0");  // the text it holds: no event
    fields.SetText(Field::txtIst, "7");
    EXPECT_EQ(changes, 1);
}

}  // namespace
}  // namespace quorvel
