#include "ui/about/about_layout.h"

#include <array>

using namespace tarvelle::widgets;

namespace tarvelle::ui {

namespace {

using K = ControlKind;

const QColor kIconGround{192, 192, 192};
const QColor kEtchShadow{128, 128, 128};
const QColor kEtchLight{255, 255, 255};

constexpr std::string_view kDescription =
    "The Tarvelle computes the minimum and maximum distances supported when connecting "
    "Orlenby's Vidra Balun and Vidra Hub via unshielded twisted pair (UTP) cable in the "
    "terrestrial RF environment";

// The two lines of Line1 lie one pixel apart and draw an etched separator.
// One row a control, each on one line of named fields.
// clang-format off
const std::array kControls{
    ControlSpec{.name = "picIcon", .kind = K::PictureBox, .rect = {240, 240, 540, 540}, .tabIndex = 1, .picture = ":/pictures/emblem-32.png", .background = kIconGround},
    ControlSpec{.name = "lblTitle", .kind = K::Label, .caption = "Application Title", .rect = {1050, 240, 4092, 480}, .tabIndex = 3, .tag = "1007"},
    ControlSpec{.name = "lblVersion", .kind = K::Label, .caption = "Version", .rect = {1050, 780, 4092, 225}, .tabIndex = 2, .tag = "1006"},
    ControlSpec{.name = "Label2", .kind = K::Label, .caption = kDescription, .rect = {1080, 1200, 4455, 1095}, .tabIndex = 5},
    ControlSpec{.name = "Line1(1)", .kind = K::Line, .rect = {225, 2430, 5657 - 225, 15}, .tabIndex = -1, .background = kEtchShadow},
    ControlSpec{.name = "Line1(0)", .kind = K::Line, .rect = {240, 2445, 5657 - 240, 30}, .tabIndex = -1, .background = kEtchLight},
    ControlSpec{.name = "cmdOK", .kind = K::CommandButton, .caption = "OK", .rect = {4245, 2625, 1467, 345}, .tabIndex = 0, .tag = "1004"},
    ControlSpec{.name = "Label3", .kind = K::Label, .caption = "Copyright \u00a9 2026 Orlenby Inc.", .rect = {240, 2640, 3495, 375}, .tabIndex = 6},
    ControlSpec{.name = "Label1", .kind = K::Label, .caption = "Technical support: 1-800-555-0142", .rect = {240, 3000, 3255, 375}, .tabIndex = 4},
};
// clang-format on

}  // namespace

std::span<const ControlSpec> aboutWindowControls() {
    return kControls;
}

}  // namespace tarvelle::ui
