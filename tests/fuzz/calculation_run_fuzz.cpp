// The whole calculation run through a recording window fed arbitrary level
// texts, list positions and plan choices. It must never crash, write only
// "Fixed" texts, write no result after an arithmetic error, and show at most
// one message.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "engine/arithmetic_error.h"
#include "engine/calculation_run.h"
#include "tests/engine/fake_window.h"

namespace {

using tarvelle::TextBox;

// Digits, the separator, exactly two digits; no sign, no exponent.
bool hasFixedShape(const std::string& text, const std::string& separator) {
    const auto at = text.find(separator);
    if (at == std::string::npos || at == 0 || text.size() != at + separator.size() + 2) {
        return false;
    }
    const std::string digits = text.substr(0, at) + text.substr(at + separator.size());
    return digits.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string separator = input.ConsumeBool() ? "," : ".";
    tarvelle::FakeWindow window;
    for (const TextBox box : {TextBox::Pin, TextBox::PminAnalog, TextBox::PminDigital,
                              TextBox::PmaxAnalog, TextBox::PmaxDigital}) {
        window.texts[box] = input.ConsumeRandomLengthString(40);
    }
    window.indices[tarvelle::DropDownList::Combo_CableType] = input.ConsumeIntegral<std::int16_t>();
    window.indices[tarvelle::DropDownList::Combo_ProductConfig] =
        input.ConsumeIntegral<std::int16_t>();
    window.chosen[tarvelle::OptionButton::OptionFrequency1] = input.ConsumeBool();
    window.chosen[tarvelle::OptionButton::OptionFrequency2] = input.ConsumeBool();

    bool faulted = false;
    try {
        tarvelle::runCalculation(window, separator);
    } catch (const tarvelle::ArithmeticError&) {
        faulted = true;
    }

    if (window.messages.size() > 1) {
        std::abort();
    }
    for (const std::string& call : window.calls) {
        for (auto box = static_cast<std::size_t>(TextBox::MinDistanceAnalogFt);
             box < tarvelle::kTextBoxNames.size(); ++box) {
            const std::string prefix = "setText " + std::string(tarvelle::kTextBoxNames[box]) + " ";
            if (call.starts_with(prefix) &&
                (faulted || !hasFixedShape(call.substr(prefix.size()), separator))) {
                std::abort();
            }
        }
    }
    return 0;
}
