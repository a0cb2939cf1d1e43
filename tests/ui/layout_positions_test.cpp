// Every control of the main window where its layout puts it: left, top, width
// and height in twips within its container, 15 twips to the pixel.

#include <cmath>

#include "tests/ui/offscreen_fixture.h"

using namespace tarvelle::ui::testing;

namespace {

struct Placed {
    const char* name;
    int left, top, width, height;
};

// clang-format off
const Placed kPlaces[] = {
    {"Frame5", 7440, 120, 3255, 4575},
    {"Frame4", 360, 4800, 10335, 1695},
    {"Label1", 360, 120, 2655, 255},
    {"Combo_ProductConfig", 3240, 120, 3855, 315},
    {"Label2", 360, 600, 2535, 255},
    {"Pin", 3240, 600, 1815, 285},
    {"Frame3", 360, 1080, 6495, 855},
    {"Label28", 120, 240, 1335, 255},
    {"Label5", 2400, 240, 1335, 255},
    {"PminAnalog", 480, 1560, 1335, 285},
    {"PminDigital", 2760, 1560, 1335, 285},
    {"OptionDocsysMin", 4560, 1320, 1095, 555},
    {"OptionCustomMin", 5640, 1320, 1095, 555},
    {"Frame1", 360, 2040, 6495, 855},
    {"Label6", 120, 240, 1335, 255},
    {"Label29", 2400, 240, 1335, 255},
    {"PmaxAnalog", 480, 2520, 1335, 285},
    {"PmaxDigital", 2760, 2520, 1335, 285},
    {"OptionDocsysMax", 4200, 240, 1095, 555},
    {"OptionCustomMax", 5280, 240, 1095, 555},
    {"Frame2", 360, 3000, 4455, 1695},
    {"Label4", 720, 360, 1695, 495},
    {"Label9", 2520, 360, 1695, 495},
    {"OptionFrequency1", 240, 960, 4095, 195},
    {"OptionFrequency2", 240, 1320, 4095, 195},
    {"Label3", 5040, 3120, 1455, 255},
    {"Combo_CableType", 5040, 3360, 1575, 315},
    {"Calculate", 5040, 3840, 2175, 855},
    {"sbStatusBar", 0, 6660, 10905, 270},
    {"Image1", 360, 360, 2550, 540},
    {"Label30", 240, 1080, 2775, 1095},
    {"Label31", 240, 2400, 2775, 975},
    {"Label32", 240, 3720, 2895, 615},
    {"Label10", 240, 360, 2895, 255},
    {"MinDistanceAnalogFt", 240, 600, 1095, 285},
    {"Label11", 1320, 650, 375, 255},
    {"MinDistanceAnalogM", 1920, 600, 1095, 285},
    {"Label17", 3000, 650, 375, 255},
    {"Label12", 240, 960, 3015, 255},
    {"MaxDistanceAnalogFt", 240, 1200, 1095, 285},
    {"Label18", 1320, 1250, 375, 255},
    {"MaxDistanceAnalogM", 1920, 1200, 1095, 285},
    {"Label19", 3000, 1250, 375, 255},
    {"Label13", 3600, 360, 3015, 255},
    {"MinDistanceDigitalFt", 3600, 600, 1095, 285},
    {"Label20", 4680, 650, 375, 255},
    {"MinDistanceDigitalM", 5280, 600, 1095, 285},
    {"Label21", 6360, 650, 375, 255},
    {"Label14", 3600, 960, 3015, 255},
    {"MaxDistanceDigitalFt", 3600, 1200, 1095, 285},
    {"Label22", 4680, 1250, 375, 255},
    {"MaxDistanceDigitalM", 5280, 1200, 1095, 285},
    {"Label23", 6360, 1250, 375, 255},
    {"Label15", 6960, 360, 2415, 255},
    {"MinWorstCaseFt", 6960, 600, 1095, 285},
    {"Label24", 8040, 650, 375, 255},
    {"MinWorstCaseM", 8640, 600, 1095, 285},
    {"Label25", 9720, 650, 375, 255},
    {"Label16", 6960, 960, 2535, 255},
    {"MaxWorstCaseFt", 6960, 1200, 1095, 285},
    {"Label26", 8040, 1250, 375, 255},
    {"MaxWorstCaseM", 8640, 1200, 1095, 285},
    {"Label27", 9720, 1250, 375, 255},
};
// clang-format on

int pixels(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

}  // namespace

class LayoutPositionsTest : public QObject {
    Q_OBJECT

  public:
    static void initMain() { useOffscreenPlatform(); }

  private slots:
    void every_control_stands_at_its_place() {
        MainWindowHarness main;
        for (const Placed& place : kPlaces) {
            const QRect expected(pixels(place.left), pixels(place.top), pixels(place.width),
                                 pixels(place.height));
            QCOMPARE(main.layoutControl(place.name)->geometry(), expected);
        }
    }
};

QTEST_MAIN(LayoutPositionsTest)
#include "layout_positions_test.moc"
