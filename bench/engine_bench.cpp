// The engine alone: one band edge, the number rule, and a whole calculation
// run through a window that only stores texts.

#include <benchmark/benchmark.h>

#include <array>

#include "engine/calculation_run.h"
#include "engine/distance_model.h"
#include "engine/number_rule.h"

namespace {

using tarvelle::TextBox;

class StoredWindow : public tarvelle::WindowOperations {
  public:
    std::array<std::string, tarvelle::kTextBoxNames.size()> texts;

    std::string text(TextBox box) const override { return texts[static_cast<std::size_t>(box)]; }
    void setText(TextBox box, const std::string& text) override {
        texts[static_cast<std::size_t>(box)] = text;
    }
    void setFocus(TextBox) override {}
    std::int16_t selectedIndex(tarvelle::DropDownList) const override { return 0; }
    bool isChosen(tarvelle::OptionButton option) const override {
        return option == tarvelle::OptionButton::OptionFrequency2;
    }
    void showMessage(const std::string&) override {}
};

void BandEdgeDistances(benchmark::State& state) {
    double levelIn = 40;
    for (auto _ : state) {
        double minDistance = 0;
        double maxDistance = 0;
        benchmark::DoNotOptimize(levelIn);
        tarvelle::BandEdgeDistances(levelIn, -0.5, 55, 0, 15, 0, minDistance, maxDistance);
        benchmark::DoNotOptimize(minDistance);
        benchmark::DoNotOptimize(maxDistance);
    }
}
BENCHMARK(BandEdgeDistances);

void NumberRule(benchmark::State& state) {
    const std::string text = "-12.75e1";
    for (auto _ : state) {
        benchmark::DoNotOptimize(tarvelle::parseLevel(text, "."));
    }
}
BENCHMARK(NumberRule);

void CalculationRun(benchmark::State& state) {
    StoredWindow window;
    window.texts = {"30", "0", "-12", "15", "15"};
    for (auto _ : state) {
        tarvelle::runCalculation(window, ".");
        benchmark::DoNotOptimize(window.texts);
    }
}
BENCHMARK(CalculationRun);

}  // namespace
