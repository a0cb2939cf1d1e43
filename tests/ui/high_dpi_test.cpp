#include <QLabel>
#include <QPushButton>

#include "tests/ui/offscreen_fixture.h"

using namespace tarvelle::ui;
using namespace tarvelle::ui::testing;

// The whole window at a scale factor of 2: the same layout in
// device-independent pixels, drawn with twice the device pixels, and pictures
// from their high-resolution sources.
class HighDpiTest : public QObject {
    Q_OBJECT

  public:
    static void initMain() {
        useOffscreenPlatform();
        qputenv("QT_SCALE_FACTOR", "2");
    }

  private slots:
    void keeps_its_proportions_at_scale_two() {
        MainWindowHarness main;
        QCOMPARE(main.window.devicePixelRatio(), 2.0);
        QCOMPARE(main.window.centralWidget()->size(), QSize(727, 462));
        QCOMPARE(main.ui().Calculate->geometry(), QRect(336, 256, 145, 57));
        QCOMPARE(main.layoutControl("Frame4")->geometry(), QRect(24, 320, 689, 113));
        QCOMPARE(main.window.centralWidget()->grab().size(), QSize(1454, 924));
    }

    void pictures_stay_sharp() {
        MainWindowHarness main;
        const QPixmap logo = main.layoutControl<QLabel>("Image1")->pixmap();
        QCOMPARE(logo.devicePixelRatio(), 2.0);
        QCOMPARE(logo.size(), QSize(340, 72));
        auto* go = main.ui().Calculate;
        const QPixmap face = go->icon().pixmap(go->iconSize(), 2.0);
        QCOMPARE(face.size(), QSize(112, 72));
    }
};

QTEST_MAIN(HighDpiTest)
#include "high_dpi_test.moc"
