#include "ui/main/main_layout.h"

#include <array>

namespace Module1 {

namespace {

using K = ControlKind;

constexpr FontSpec kUnits{"MS Sans Serif", 9.75, false};
constexpr FontSpec kGoButton{"MS Sans Serif", 12, true};
constexpr FontSpec kVendorTitle{"Arial", 12, true};
constexpr FontSpec kAddress{"Arial", 11.25, false};
constexpr FontSpec kContact{"Arial", 9.75, false};

// The system colour of an active window border.
const QColor kResultBackground{180, 180, 180};
const QColor kGoFace{255, 255, 192};

constexpr std::string_view kPlan1 = "              55-450 MHz          -         450-860 MHz";
constexpr std::string_view kPlan2 = "              55-550 MHz          -         550-860 MHz";

// A result field of the results frame: 1095 x 285 twips, shaded.
ControlSpec result(std::string_view name, int left, int top, int tab) {
    return {name, K::TextBox,   "Frame4",    "", {left, top, 1095, 285},
            tab,  kDefaultFont, Align::Left, {}, kResultBackground};
}

// An "ft." or "m." label beside a result field.
ControlSpec unit(std::string_view name, std::string_view caption, int left, int top, int tab) {
    return {name, K::Label, "Frame4", caption, {left, top, 375, 255}, tab, kUnits};
}

const std::array kControls{
    // Minimum levels: column headers only; the fields and options lie over it.
    ControlSpec{"Frame3",
                K::Frame,
                "",
                "Minimum required receiver signal strength (dBmV)",
                {360, 1080, 6495, 855},
                13,
                kDefaultBold},
    ControlSpec{"Label28",
                K::Label,
                "Frame3",
                "Analog",
                {120, 240, 1335, 255},
                56,
                kDefaultFont,
                Align::Centre},
    ControlSpec{"Label5",
                K::Label,
                "Frame3",
                "Digital",
                {2400, 240, 1335, 255},
                57,
                kDefaultFont,
                Align::Centre},

    // Maximum levels: headers and the group's own options; the fields lie over it.
    ControlSpec{"Frame1",
                K::Frame,
                "",
                "Maximum permissible receiver signal strength (dBmV)",
                {360, 2040, 6495, 855},
                14,
                kDefaultBold},
    ControlSpec{"Label6",
                K::Label,
                "Frame1",
                "Analog",
                {120, 240, 1335, 255},
                58,
                kDefaultFont,
                Align::Centre},
    ControlSpec{"Label29",
                K::Label,
                "Frame1",
                "Digital",
                {2400, 240, 1335, 255},
                59,
                kDefaultFont,
                Align::Centre},
    ControlSpec{"OptionDocsysMax", K::OptionButton, "Frame1", "Docsys", {4200, 240, 1095, 555}, 15},
    ControlSpec{"OptionCustomMax", K::OptionButton, "Frame1", "Custom", {5280, 240, 1095, 555}, 16},

    // Frequency plan.
    ControlSpec{"Frame2",
                K::Frame,
                "",
                "Download Frequency Assignment",
                {360, 3000, 4455, 1695},
                19,
                kDefaultBold},
    ControlSpec{"Label4",
                K::Label,
                "Frame2",
                "Analog Channel Frequency Range",
                {720, 360, 1695, 495},
                22,
                kDefaultFont,
                Align::Centre},
    ControlSpec{"Label9",
                K::Label,
                "Frame2",
                "Digital Channel Frequency Range",
                {2520, 360, 1695, 495},
                23,
                kDefaultFont,
                Align::Centre},
    ControlSpec{"OptionFrequency1", K::OptionButton, "Frame2", kPlan1, {240, 960, 4095, 195}, 20},
    ControlSpec{"OptionFrequency2", K::OptionButton, "Frame2", kPlan2, {240, 1320, 4095, 195}, 21},

    // Results: minimum row above maximum row; analog, digital, worst case.
    ControlSpec{"Frame4",
                K::Frame,
                "",
                "Distance Results for \"Analog Channels\" and \"Digital Channels\"",
                {360, 4800, 10335, 1695},
                24,
                kDefaultBold},
    ControlSpec{"Label10",
                K::Label,
                "Frame4",
                "Minimum Distance - Analog Channels",
                {240, 360, 2895, 255},
                25},
    result("MinDistanceAnalogFt", 240, 600, 26),
    unit("Label11", "ft.", 1320, 650, 28),
    result("MinDistanceAnalogM", 1920, 600, 27),
    unit("Label17", "m.", 3000, 650, 34),
    ControlSpec{"Label12",
                K::Label,
                "Frame4",
                "Maximum Distance - Analog Channels",
                {240, 960, 3015, 255},
                29},
    result("MaxDistanceAnalogFt", 240, 1200, 36),
    unit("Label18", "ft.", 1320, 1250, 37),
    result("MaxDistanceAnalogM", 1920, 1200, 35),
    unit("Label19", "m.", 3000, 1250, 38),
    ControlSpec{"Label13",
                K::Label,
                "Frame4",
                "Minimum Distance - Digital Channels",
                {3600, 360, 3015, 255},
                30},
    result("MinDistanceDigitalFt", 3600, 600, 40),
    unit("Label20", "ft.", 4680, 650, 41),
    result("MinDistanceDigitalM", 5280, 600, 39),
    unit("Label21", "m.", 6360, 650, 42),
    ControlSpec{"Label14",
                K::Label,
                "Frame4",
                "Maximum Distance - Digital Channels",
                {3600, 960, 3015, 255},
                31},
    result("MaxDistanceDigitalFt", 3600, 1200, 44),
    unit("Label22", "ft.", 4680, 1250, 45),
    result("MaxDistanceDigitalM", 5280, 1200, 43),
    unit("Label23", "m.", 6360, 1250, 46),
    ControlSpec{
        "Label15", K::Label, "Frame4", "Minimum Distance - Worst Case", {6960, 360, 2415, 255}, 32},
    result("MinWorstCaseFt", 6960, 600, 48),
    unit("Label24", "ft.", 8040, 650, 49),
    result("MinWorstCaseM", 8640, 600, 47),
    unit("Label25", "m.", 9720, 650, 50),
    ControlSpec{
        "Label16", K::Label, "Frame4", "Maximum Distance - Worst Case", {6960, 960, 2535, 255}, 33},
    result("MaxWorstCaseFt", 6960, 1200, 52),
    unit("Label26", "ft.", 8040, 1250, 53),
    result("MaxWorstCaseM", 8640, 1200, 51),
    unit("Label27", "m.", 9720, 1250, 54),

    // Vendor panel, with made-up contact details.
    ControlSpec{"Frame5", K::Frame, "", "Orlenby Inc.", {7440, 120, 3255, 4575}, 60, kVendorTitle},
    ControlSpec{"Image1",
                K::Image,
                "Frame5",
                "",
                {360, 360, 2550, 540},
                -1,
                kDefaultFont,
                Align::Left,
                ":/pictures/wordmark.png"},
    ControlSpec{"Label30",
                K::Label,
                "Frame5",
                "Orlenby Inc.\n4100 Meridian Way\nLakeview, ZZ 00000\nU.S.A.",
                {240, 1080, 2775, 1095},
                61,
                kAddress},
    ControlSpec{"Label31",
                K::Label,
                "Frame5",
                "Toll free: 1-800-555-0142\nInternational:\n+1-555-555-0143",
                {240, 2400, 2775, 975},
                62,
                kContact},
    ControlSpec{"Label32",
                K::Label,
                "Frame5",
                "support@example.com\nwww.example.com",
                {240, 3720, 2895, 615},
                63,
                kContact},

    // Controls of the window itself, above the frames.
    ControlSpec{"Label1",
                K::Label,
                "",
                "Orlenby Product Configuration",
                {360, 120, 2655, 255},
                1,
                kDefaultBold},
    ControlSpec{"Combo_ProductConfig", K::ComboBox, "", "", {3240, 120, 3855, 315}, 2},
    ControlSpec{"Label2",
                K::Label,
                "",
                "Input Signal Strength (dBmV)",
                {360, 600, 2535, 255},
                3,
                kDefaultBold},
    ControlSpec{"Pin", K::TextBox, "", "", {3240, 600, 1815, 285}, 4},
    ControlSpec{"PminAnalog", K::TextBox, "", "", {480, 1560, 1335, 285}, 5, kDefaultBold},
    ControlSpec{"PminDigital", K::TextBox, "", "", {2760, 1560, 1335, 285}, 6, kDefaultBold},
    ControlSpec{"OptionDocsysMin", K::OptionButton, "", "Docsys", {4560, 1320, 1095, 555}, 11},
    ControlSpec{"OptionCustomMin", K::OptionButton, "", "Custom", {5640, 1320, 1095, 555}, 12},
    ControlSpec{"PmaxAnalog", K::TextBox, "", "", {480, 2520, 1335, 285}, 7},
    ControlSpec{"PmaxDigital", K::TextBox, "", "", {2760, 2520, 1335, 285}, 8},
    ControlSpec{"Label3",
                K::Label,
                "",
                "Cable Type",
                {5040, 3120, 1455, 255},
                18,
                kDefaultBold,
                Align::Centre},
    ControlSpec{"Combo_CableType", K::ComboBox, "", "", {5040, 3360, 1575, 315}, 17},
    ControlSpec{"Calculate",
                K::CommandButton,
                "",
                "",
                {5040, 3840, 2175, 855},
                55,
                kGoButton,
                Align::Left,
                ":/pictures/go.png",
                kGoFace},
    ControlSpec{"sbStatusBar", K::StatusBar, "", "", {0, 6660, 10905, 270}, 0},
};

// Spoken names of the inputs, options and results, with the labels naming them.
constexpr AccessibleText kAccessibleTexts[] = {
    {"Combo_ProductConfig", "Orlenby Product Configuration", "Label1"},
    {"Pin", "Input Signal Strength (dBmV)", "Label2"},
    {"PminAnalog", "Minimum required receiver signal strength, analog (dBmV)", "Label28"},
    {"PminDigital", "Minimum required receiver signal strength, digital (dBmV)", "Label5"},
    {"PmaxAnalog", "Maximum permissible receiver signal strength, analog (dBmV)", "Label6"},
    {"PmaxDigital", "Maximum permissible receiver signal strength, digital (dBmV)", "Label29"},
    {"OptionDocsysMin", "Minimum levels: Docsys presets"},
    {"OptionCustomMin", "Minimum levels: custom"},
    {"OptionDocsysMax", "Maximum levels: Docsys presets"},
    {"OptionCustomMax", "Maximum levels: custom"},
    {"Combo_CableType", "Cable Type", "Label3"},
    {"OptionFrequency1", "Analog channels 55-450 MHz, digital channels 450-860 MHz"},
    {"OptionFrequency2", "Analog channels 55-550 MHz, digital channels 550-860 MHz"},
    {"Calculate", "Calculate"},
    {"MinDistanceAnalogFt", "Minimum distance, analog channels, feet", "Label10"},
    {"MinDistanceAnalogM", "Minimum distance, analog channels, metres", "Label17"},
    {"MaxDistanceAnalogFt", "Maximum distance, analog channels, feet", "Label12"},
    {"MaxDistanceAnalogM", "Maximum distance, analog channels, metres", "Label19"},
    {"MinDistanceDigitalFt", "Minimum distance, digital channels, feet", "Label13"},
    {"MinDistanceDigitalM", "Minimum distance, digital channels, metres", "Label21"},
    {"MaxDistanceDigitalFt", "Maximum distance, digital channels, feet", "Label14"},
    {"MaxDistanceDigitalM", "Maximum distance, digital channels, metres", "Label23"},
    {"MinWorstCaseFt", "Minimum distance, worst case, feet", "Label15"},
    {"MinWorstCaseM", "Minimum distance, worst case, metres", "Label25"},
    {"MaxWorstCaseFt", "Maximum distance, worst case, feet", "Label16"},
    {"MaxWorstCaseM", "Maximum distance, worst case, metres", "Label27"},
    {"Image1", "Orlenby logo"},
};

}  // namespace

std::span<const ControlSpec> mainWindowControls() {
    return kControls;
}

std::span<const AccessibleText> mainWindowAccessibleTexts() {
    return kAccessibleTexts;
}

}  // namespace Module1
