#pragma once

// The only way the calculation run reaches the window. The main window
// implements it on its real controls; tests implement it with a recording fake.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvelle {

enum class TextBox {
    Pin,
    PminAnalog,
    PminDigital,
    PmaxAnalog,
    PmaxDigital,
    MinDistanceAnalogFt,
    MinDistanceAnalogM,
    MaxDistanceAnalogFt,
    MaxDistanceAnalogM,
    MinDistanceDigitalFt,
    MinDistanceDigitalM,
    MaxDistanceDigitalFt,
    MaxDistanceDigitalM,
    MinWorstCaseFt,
    MinWorstCaseM,
    MaxWorstCaseFt,
    MaxWorstCaseM,
};

enum class DropDownList { Combo_CableType, Combo_ProductConfig };

enum class OptionButton { OptionFrequency1, OptionFrequency2 };

inline constexpr std::array<std::string_view, 17> kTextBoxNames{
    "Pin",
    "PminAnalog",
    "PminDigital",
    "PmaxAnalog",
    "PmaxDigital",
    "MinDistanceAnalogFt",
    "MinDistanceAnalogM",
    "MaxDistanceAnalogFt",
    "MaxDistanceAnalogM",
    "MinDistanceDigitalFt",
    "MinDistanceDigitalM",
    "MaxDistanceDigitalFt",
    "MaxDistanceDigitalM",
    "MinWorstCaseFt",
    "MinWorstCaseM",
    "MaxWorstCaseFt",
    "MaxWorstCaseM",
};

// The twelve result fields in the order they are written: feet then metres
// for each distance, in the order of Distance.
inline constexpr std::array<TextBox, 12> kResultFields{
    TextBox::MinDistanceAnalogFt,  TextBox::MinDistanceAnalogM,   TextBox::MaxDistanceAnalogFt,
    TextBox::MaxDistanceAnalogM,   TextBox::MinDistanceDigitalFt, TextBox::MinDistanceDigitalM,
    TextBox::MaxDistanceDigitalFt, TextBox::MaxDistanceDigitalM,  TextBox::MinWorstCaseFt,
    TextBox::MinWorstCaseM,        TextBox::MaxWorstCaseFt,       TextBox::MaxWorstCaseM,
};

// The control names, which are also the windows' object names.
constexpr std::string_view controlName(TextBox box) {
    return kTextBoxNames[static_cast<std::size_t>(box)];
}

constexpr std::string_view controlName(DropDownList list) {
    return list == DropDownList::Combo_CableType ? "Combo_CableType" : "Combo_ProductConfig";
}

constexpr std::string_view controlName(OptionButton option) {
    return option == OptionButton::OptionFrequency1 ? "OptionFrequency1" : "OptionFrequency2";
}

class WindowOperations {
  public:
    virtual ~WindowOperations() = default;

    virtual std::string text(TextBox box) const = 0;
    virtual void setText(TextBox box, const std::string& text) = 0;
    virtual void setFocus(TextBox box) = 0;
    // -1 when nothing is selected.
    virtual std::int16_t selectedIndex(DropDownList list) const = 0;
    virtual bool isChosen(OptionButton option) const = 0;
    // A modal box with the text, an OK button only, no icon and the
    // application's title as caption; returns when the user has closed it.
    virtual void showMessage(const std::string& text) = 0;
};

}  // namespace tarvelle
