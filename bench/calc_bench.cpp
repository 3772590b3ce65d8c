// The computing core alone: one recalculation and the number text rules.

#include <array>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "number/number_text.h"
#include "calc/recalculate.h"
#include "calc/units.h"
#include "test_support/field_texts.h"

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

}  // namespace
}  // namespace quorvel

BENCHMARK_MAIN();
