#include "ui/about/about_layout.h"

#include <array>

namespace Module1 {

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
const std::array kControls{
    ControlSpec{"picIcon",
                K::PictureBox,
                "",
                "",
                {240, 240, 540, 540},
                1,
                kDefaultFont,
                Align::Left,
                ":/pictures/emblem-32.png",
                kIconGround},
    ControlSpec{"lblTitle",
                K::Label,
                "",
                "Application Title",
                {1050, 240, 4092, 480},
                3,
                kDefaultFont,
                Align::Left,
                {},
                {},
                "1007"},
    ControlSpec{"lblVersion",
                K::Label,
                "",
                "Version",
                {1050, 780, 4092, 225},
                2,
                kDefaultFont,
                Align::Left,
                {},
                {},
                "1006"},
    ControlSpec{"Label2", K::Label, "", kDescription, {1080, 1200, 4455, 1095}, 5},
    ControlSpec{"Line1(1)",
                K::Line,
                "",
                "",
                {225, 2430, 5657 - 225, 15},
                -1,
                kDefaultFont,
                Align::Left,
                {},
                kEtchShadow},
    ControlSpec{"Line1(0)",
                K::Line,
                "",
                "",
                {240, 2445, 5657 - 240, 30},
                -1,
                kDefaultFont,
                Align::Left,
                {},
                kEtchLight},
    ControlSpec{"cmdOK",
                K::CommandButton,
                "",
                "OK",
                {4245, 2625, 1467, 345},
                0,
                kDefaultFont,
                Align::Left,
                {},
                {},
                "1004"},
    ControlSpec{
        "Label3", K::Label, "", "Copyright \u00a9 2026 Orlenby Inc.", {240, 2640, 3495, 375}, 6},
    ControlSpec{
        "Label1", K::Label, "", "Technical support: 1-800-555-0142", {240, 3000, 3255, 375}, 4},
};

}  // namespace

std::span<const ControlSpec> aboutWindowControls() {
    return kControls;
}

}  // namespace Module1
