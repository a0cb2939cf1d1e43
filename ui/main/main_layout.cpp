#include "ui/main/main_layout.h"

#include <array>

using namespace tarvelle::widgets;

namespace tarvelle::ui {

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
    return {.name = name,
            .kind = K::TextBox,
            .container = "Frame4",
            .rect = {left, top, 1095, 285},
            .tabIndex = tab,
            .background = kResultBackground};
}

// An "ft." or "m." label beside a result field.
ControlSpec unit(std::string_view name, std::string_view caption, int left, int top, int tab) {
    return {.name = name,
            .kind = K::Label,
            .container = "Frame4",
            .caption = caption,
            .rect = {left, top, 375, 255},
            .tabIndex = tab,
            .font = kUnits};
}

// One row a control, each on one line of named fields.
// clang-format off
const std::array kControls{
    // Minimum levels: column headers only; the fields and options lie over it.
    ControlSpec{.name = "Frame3", .kind = K::Frame, .caption = "Minimum required receiver signal strength (dBmV)", .rect = {360, 1080, 6495, 855}, .tabIndex = 13, .font = kDefaultBold},
    ControlSpec{.name = "Label28", .kind = K::Label, .container = "Frame3", .caption = "Analog", .rect = {120, 240, 1335, 255}, .tabIndex = 56, .align = Align::Centre},
    ControlSpec{.name = "Label5", .kind = K::Label, .container = "Frame3", .caption = "Digital", .rect = {2400, 240, 1335, 255}, .tabIndex = 57, .align = Align::Centre},

    // Maximum levels: headers and the group's own options; the fields lie over it.
    ControlSpec{.name = "Frame1", .kind = K::Frame, .caption = "Maximum permissible receiver signal strength (dBmV)", .rect = {360, 2040, 6495, 855}, .tabIndex = 14, .font = kDefaultBold},
    ControlSpec{.name = "Label6", .kind = K::Label, .container = "Frame1", .caption = "Analog", .rect = {120, 240, 1335, 255}, .tabIndex = 58, .align = Align::Centre},
    ControlSpec{.name = "Label29", .kind = K::Label, .container = "Frame1", .caption = "Digital", .rect = {2400, 240, 1335, 255}, .tabIndex = 59, .align = Align::Centre},
    ControlSpec{.name = "OptionDocsysMax", .kind = K::OptionButton, .container = "Frame1", .caption = "Docsys", .rect = {4200, 240, 1095, 555}, .tabIndex = 15},
    ControlSpec{.name = "OptionCustomMax", .kind = K::OptionButton, .container = "Frame1", .caption = "Custom", .rect = {5280, 240, 1095, 555}, .tabIndex = 16},

    // Frequency plan.
    ControlSpec{.name = "Frame2", .kind = K::Frame, .caption = "Download Frequency Assignment", .rect = {360, 3000, 4455, 1695}, .tabIndex = 19, .font = kDefaultBold},
    ControlSpec{.name = "Label4", .kind = K::Label, .container = "Frame2", .caption = "Analog Channel Frequency Range", .rect = {720, 360, 1695, 495}, .tabIndex = 22, .align = Align::Centre},
    ControlSpec{.name = "Label9", .kind = K::Label, .container = "Frame2", .caption = "Digital Channel Frequency Range", .rect = {2520, 360, 1695, 495}, .tabIndex = 23, .align = Align::Centre},
    ControlSpec{.name = "OptionFrequency1", .kind = K::OptionButton, .container = "Frame2", .caption = kPlan1, .rect = {240, 960, 4095, 195}, .tabIndex = 20},
    ControlSpec{.name = "OptionFrequency2", .kind = K::OptionButton, .container = "Frame2", .caption = kPlan2, .rect = {240, 1320, 4095, 195}, .tabIndex = 21},

    // Results: minimum row above maximum row; analog, digital, worst case.
    ControlSpec{.name = "Frame4", .kind = K::Frame, .caption = "Distance Results for \"Analog Channels\" and \"Digital Channels\"", .rect = {360, 4800, 10335, 1695}, .tabIndex = 24, .font = kDefaultBold},
    ControlSpec{.name = "Label10", .kind = K::Label, .container = "Frame4", .caption = "Minimum Distance - Analog Channels", .rect = {240, 360, 2895, 255}, .tabIndex = 25},
    result("MinDistanceAnalogFt", 240, 600, 26),
    unit("Label11", "ft.", 1320, 650, 28),
    result("MinDistanceAnalogM", 1920, 600, 27),
    unit("Label17", "m.", 3000, 650, 34),
    ControlSpec{.name = "Label12", .kind = K::Label, .container = "Frame4", .caption = "Maximum Distance - Analog Channels", .rect = {240, 960, 3015, 255}, .tabIndex = 29},
    result("MaxDistanceAnalogFt", 240, 1200, 36),
    unit("Label18", "ft.", 1320, 1250, 37),
    result("MaxDistanceAnalogM", 1920, 1200, 35),
    unit("Label19", "m.", 3000, 1250, 38),
    ControlSpec{.name = "Label13", .kind = K::Label, .container = "Frame4", .caption = "Minimum Distance - Digital Channels", .rect = {3600, 360, 3015, 255}, .tabIndex = 30},
    result("MinDistanceDigitalFt", 3600, 600, 40),
    unit("Label20", "ft.", 4680, 650, 41),
    result("MinDistanceDigitalM", 5280, 600, 39),
    unit("Label21", "m.", 6360, 650, 42),
    ControlSpec{.name = "Label14", .kind = K::Label, .container = "Frame4", .caption = "Maximum Distance - Digital Channels", .rect = {3600, 960, 3015, 255}, .tabIndex = 31},
    result("MaxDistanceDigitalFt", 3600, 1200, 44),
    unit("Label22", "ft.", 4680, 1250, 45),
    result("MaxDistanceDigitalM", 5280, 1200, 43),
    unit("Label23", "m.", 6360, 1250, 46),
    ControlSpec{.name = "Label15", .kind = K::Label, .container = "Frame4", .caption = "Minimum Distance - Worst Case", .rect = {6960, 360, 2415, 255}, .tabIndex = 32},
    result("MinWorstCaseFt", 6960, 600, 48),
    unit("Label24", "ft.", 8040, 650, 49),
    result("MinWorstCaseM", 8640, 600, 47),
    unit("Label25", "m.", 9720, 650, 50),
    ControlSpec{.name = "Label16", .kind = K::Label, .container = "Frame4", .caption = "Maximum Distance - Worst Case", .rect = {6960, 960, 2535, 255}, .tabIndex = 33},
    result("MaxWorstCaseFt", 6960, 1200, 52),
    unit("Label26", "ft.", 8040, 1250, 53),
    result("MaxWorstCaseM", 8640, 1200, 51),
    unit("Label27", "m.", 9720, 1250, 54),

    // Vendor panel, with made-up contact details.
    ControlSpec{.name = "Frame5", .kind = K::Frame, .caption = "Orlenby Inc.", .rect = {7440, 120, 3255, 4575}, .tabIndex = 60, .font = kVendorTitle},
    ControlSpec{.name = "Image1", .kind = K::Image, .container = "Frame5", .rect = {360, 360, 2550, 540}, .tabIndex = -1, .picture = ":/pictures/wordmark.png"},
    ControlSpec{.name = "Label30", .kind = K::Label, .container = "Frame5", .caption = "Orlenby Inc.\n4100 Meridian Way\nLakeview, ZZ 00000\nU.S.A.", .rect = {240, 1080, 2775, 1095}, .tabIndex = 61, .font = kAddress},
    ControlSpec{.name = "Label31", .kind = K::Label, .container = "Frame5", .caption = "Toll free: 1-800-555-0142\nInternational:\n+1-555-555-0143", .rect = {240, 2400, 2775, 975}, .tabIndex = 62, .font = kContact},
    ControlSpec{.name = "Label32", .kind = K::Label, .container = "Frame5", .caption = "support@example.com\nwww.example.com", .rect = {240, 3720, 2895, 615}, .tabIndex = 63, .font = kContact},

    // Controls of the window itself, above the frames.
    ControlSpec{.name = "Label1", .kind = K::Label, .caption = "Orlenby Product Configuration", .rect = {360, 120, 2655, 255}, .tabIndex = 1, .font = kDefaultBold},
    ControlSpec{.name = "Combo_ProductConfig", .kind = K::ComboBox, .rect = {3240, 120, 3855, 315}, .tabIndex = 2},
    ControlSpec{.name = "Label2", .kind = K::Label, .caption = "Input Signal Strength (dBmV)", .rect = {360, 600, 2535, 255}, .tabIndex = 3, .font = kDefaultBold},
    ControlSpec{.name = "Pin", .kind = K::TextBox, .rect = {3240, 600, 1815, 285}, .tabIndex = 4},
    ControlSpec{.name = "PminAnalog", .kind = K::TextBox, .rect = {480, 1560, 1335, 285}, .tabIndex = 5, .font = kDefaultBold},
    ControlSpec{.name = "PminDigital", .kind = K::TextBox, .rect = {2760, 1560, 1335, 285}, .tabIndex = 6, .font = kDefaultBold},
    ControlSpec{.name = "OptionDocsysMin", .kind = K::OptionButton, .caption = "Docsys", .rect = {4560, 1320, 1095, 555}, .tabIndex = 11},
    ControlSpec{.name = "OptionCustomMin", .kind = K::OptionButton, .caption = "Custom", .rect = {5640, 1320, 1095, 555}, .tabIndex = 12},
    ControlSpec{.name = "PmaxAnalog", .kind = K::TextBox, .rect = {480, 2520, 1335, 285}, .tabIndex = 7},
    ControlSpec{.name = "PmaxDigital", .kind = K::TextBox, .rect = {2760, 2520, 1335, 285}, .tabIndex = 8},
    ControlSpec{.name = "Label3", .kind = K::Label, .caption = "Cable Type", .rect = {5040, 3120, 1455, 255}, .tabIndex = 18, .font = kDefaultBold, .align = Align::Centre},
    ControlSpec{.name = "Combo_CableType", .kind = K::ComboBox, .rect = {5040, 3360, 1575, 315}, .tabIndex = 17},
    ControlSpec{.name = "Calculate", .kind = K::CommandButton, .rect = {5040, 3840, 2175, 855}, .tabIndex = 55, .font = kGoButton, .picture = ":/pictures/go.png", .background = kGoFace},
    ControlSpec{.name = "sbStatusBar", .kind = K::StatusBar, .rect = {0, 6660, 10905, 270}, .tabIndex = 0},
};
// clang-format on

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

}  // namespace tarvelle::ui
