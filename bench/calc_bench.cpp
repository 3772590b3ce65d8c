// The computing core alone: one recalculation and the number text rules;
// and a long paste through the handlers.

#include <array>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "number/number_text.h"
#include "calc/recalculate.h"
#include "calc/units.h"
#include "events/dispatcher.h"
#include "test_support/field_texts.h"
#include "test_support/locales.h"

namespace quorvel {
namespace {

void BM_RecalculateTyped(benchmark::State& state) {
    FieldModel fields;
    testing::EnterTypedExample(fields);
    for (auto _ : state) Recalculate(fields);
}
BENCHMARK(BM_RecalculateTyped);

void BM_RecalculateDefaults(benchmark::State& state) {
    FieldModel fields;
    for (int i = 0; i < 4; ++i) fields.SetText(Field::cboRs, i, "Ohm");
    fields.SetText(Field::cboIst, "A");
    for (auto _ : state) Recalculate(fields);
}
BENCHMARK(BM_RecalculateDefaults);

// Random values under every one of the 243 unit combinations, cycled through.
void BM_RecalculateRandom(benchmark::State& state) {
    std::mt19937 random(1);
    std::uniform_int_distribution<int> digits(0, 999999);
    std::vector<FieldModel> inputs(3 * 3 * 3 * 3 * 3);
    for (std::size_t n = 0; n < inputs.size(); ++n) {
        FieldModel& fields = inputs[n];
        std::size_t units = n;
        for (int i = 0; i < 4; ++i, units /= 3) {
            fields.SetText(Field::txtRs, i, std::to_string(digits(random) % 1000) + "." + std::to_string(digits(random) % 100));
            fields.SetText(Field::cboRs, i, std::string(kResistanceUnits[units % 3].word));
        }
        fields.SetText(Field::txtIst, std::to_string(digits(random) % 1000));
        fields.SetText(Field::cboIst, std::string(kCurrentUnits[units % 3].word));
    }
    std::size_t n = 0;
    for (auto _ : state) Recalculate(inputs[n++ % inputs.size()]);
}
BENCHMARK(BM_RecalculateRandom);

void BM_ParseStrict(benchmark::State& state) {
    const NumberLocale locale;
    for (auto _ : state) benchmark::DoNotOptimize(ParseStrict("1002.77", locale));
}
BENCHMARK(BM_ParseStrict);

void BM_ParseLeading(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(ParseLeading("1002.77"));
}
BENCHMARK(BM_ParseLeading);

void BM_NumberToText(benchmark::State& state) {
    const NumberLocale locale;
    double value = 1002.77;
    for (auto _ : state) {
        benchmark::DoNotOptimize(NumberToText(value, locale));
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_NumberToText);

// A paste of 200,000 characters into an entry, then the entry left, in
// French: a long plain number the entry keeps; blanks before a number; and
// digit groups that make a number too large, which the entry loses.
void BM_LongPasteAndLeave(benchmark::State& state) {
    constexpr std::size_t kLength = 200000;
    const std::string texts[] = {
        "0," + std::string(kLength - 3, '0') + "1",
        std::string(kLength - 1, ' ') + "5",
        [] {
            std::string grouped = "1";
            while (grouped.size() < kLength) grouped += "\u202F000";
            return grouped;
        }(),
    };
    const std::string& text = texts[static_cast<std::size_t>(state.range(0))];
    struct Quiet : Platform {
        void End() override {}
        void ReportError(const RuntimeError&) override {}
        void AwaitPause(std::chrono::milliseconds) override {}
    } platform;
    FieldModel fields(testing::kFrench);
    EventDispatcher events(fields, platform);
    BindEvents(fields, events);
    events.Load();
    for (auto _ : state) {
        fields.SetText(Field::txtRs, 0, text);
        events.LostFocus(Field::txtRs, 0);
        state.PauseTiming();
        fields.SetText(Field::txtRs, 0, "0");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LongPasteAndLeave)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorvel

BENCHMARK_MAIN();
