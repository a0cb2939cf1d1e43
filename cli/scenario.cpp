#include "scenario.h"

#include "calculation_run.h"
#include "checked_math.h"
#include "distance_model.h"
#include "number_rule.h"

namespace tarvelle::cli {

namespace {

struct LevelOption {
    TextBox box;
    std::string_view option;
    std::string Options::*text;
};

constexpr std::array<LevelOption, 5> kLevelOptions{{
    {TextBox::Pin, "--pin", &Options::pin},
    {TextBox::PminAnalog, "--pmin-analog", &Options::pminAnalog},
    {TextBox::PminDigital, "--pmin-digital", &Options::pminDigital},
    {TextBox::PmaxAnalog, "--pmax-analog", &Options::pmaxAnalog},
    {TextBox::PmaxDigital, "--pmax-digital", &Options::pmaxDigital},
}};

// The window's controls as plain values; messages are kept, not shown.
class CommandLineWindow : public WindowOperations {
  public:
    explicit CommandLineWindow(const Options& options) : options_(options) {
        for (const auto& level : kLevelOptions) {
            texts_[index(level.box)] = options.*level.text;
        }
    }

    std::string text(TextBox box) const override { return texts_[index(box)]; }
    void setText(TextBox box, const std::string& text) override { texts_[index(box)] = text; }
    void setFocus(TextBox box) override { failed_ = box; }
    std::int16_t selectedIndex(DropDownList list) const override {
        return list == DropDownList::Combo_CableType ? options_.cable : options_.product;
    }
    bool isChosen(OptionButton option) const override {
        return options_.plan == (option == OptionButton::OptionFrequency1 ? 1 : 2);
    }
    void showMessage(const std::string& text) override { message_ = text; }

    const std::optional<TextBox>& failedField() const { return failed_; }
    const std::optional<std::string>& message() const { return message_; }

  private:
    static std::size_t index(TextBox box) { return static_cast<std::size_t>(box); }

    const Options& options_;
    std::array<std::string, kTextBoxNames.size()> texts_;
    std::optional<TextBox> failed_;
    std::optional<std::string> message_;
};

double levelOf(const std::string& text) {
    return parseLevel(text, ".").value();
}

}  // namespace

Distances computeDistances(const Options& options) {
    CommandLineWindow window(options);
    runCalculation(window, ".");
    if (const auto& failed = window.failedField()) {
        for (const auto& level : kLevelOptions) {
            if (level.box == *failed) {
                throw InputError(std::string(level.option) + " '" + options.*level.text +
                                 "': " + *window.message());
            }
        }
    }
    Distances distances;
    for (std::size_t i = 0; i < distances.texts.size(); ++i) {
        distances.texts[i] = window.text(
            static_cast<TextBox>(static_cast<std::size_t>(TextBox::MinDistanceAnalogFt) + i));
    }
    for (std::size_t i = 0; i < distances.meters.size(); ++i) {
        distances.meters[i] = levelOf(distances.texts[2 * i + 1]);
    }
    distances.warning = window.message();
    return distances;
}

Scenario scenarioOf(const Options& options) {
    return {levelOf(options.pin),
            {levelOf(options.pminAnalog), levelOf(options.pminDigital)},
            {levelOf(options.pmaxAnalog), levelOf(options.pmaxDigital)},
            productGains(options.product),
            *cableCategory(options.cable),
            options.plan == 1 ? kPlan1 : kPlan2};
}

Budget levelBudget(const Scenario& scenario, double lengthMeters) {
    Budget budget{lengthMeters, {}, 0, 0};
    for (std::size_t i = 0; i < scenario.plan.size(); ++i) {
        const EvaluationPoint& point = scenario.plan[i];
        const auto band = static_cast<std::size_t>(point.band);
        const double source = checked::add(scenario.levelIn, scenario.gains[point.gainColumn]);
        const double loss = attenuationPer100m(scenario.cable, point.frequencyMHz);
        const double runLoss =
            checked::div(checked::mul(loss, lengthMeters), kReferenceLengthMeters);
        budget.edges[i] = {kEdgeNames[i],
                           point.frequencyMHz,
                           source,
                           loss,
                           checked::sub(source, runLoss),
                           scenario.minimum[band],
                           scenario.maximum[band]};
    }
    const auto tilt = [&](std::size_t low, std::size_t high) {
        const double difference =
            checked::sub(budget.edges[high].lossPer100m, budget.edges[low].lossPer100m);
        return checked::div(checked::mul(difference, lengthMeters), kReferenceLengthMeters);
    };
    budget.analogTilt = tilt(0, 1);
    budget.digitalTilt = tilt(2, 3);
    return budget;
}

}  // namespace tarvelle::cli
