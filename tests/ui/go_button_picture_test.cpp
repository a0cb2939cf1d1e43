// GO!'s picture sits in the middle of the button and moves one pixel right and
// down while the button is held, by the mouse or by the space bar.

#include <QPainter>

#include "tests/ui/offscreen_fixture.h"

using namespace tarvelle::ui::testing;

namespace {

// Where the button's picture lies in a snapshot of it: the top left corner
// at which the picture, laid on the face colour, matches pixel for pixel.
QPoint pictureAt(QPushButton* button) {
    QImage picture(button->iconSize(), QImage::Format_ARGB32);
    picture.fill(button->palette().color(QPalette::Button));
    QPainter(&picture).drawPixmap(0, 0, button->icon().pixmap(button->iconSize()));
    const QImage shot = button->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y + picture.height() <= shot.height(); ++y) {
        for (int x = 0; x + picture.width() <= shot.width(); ++x) {
            if (shot.copy(QRect(QPoint(x, y), picture.size())) == picture) {
                return {x, y};
            }
        }
    }
    return {-1, -1};
}

}  // namespace

class GoButtonPictureTest : public QObject {
    Q_OBJECT

  public:
    static void initMain() { useOffscreenPlatform(); }

  private slots:
    void picture_is_centred_and_sinks_one_pixel_while_pressed() {
        MainWindowHarness main;
        QVERIFY(QTest::qWaitForWindowActive(&main.window));
        QPushButton* go = main.ui().Calculate;
        const QPoint rest = pictureAt(go);
        const QSize room = go->size() - go->iconSize();
        QVERIFY2(qAbs(rest.x() - (room.width() - rest.x())) <= 1, "not centred across");
        QVERIFY2(qAbs(rest.y() - (room.height() - rest.y())) <= 1, "not centred down");

        QTest::keyClick(main.ui().Combo_ProductConfig, Qt::Key_Tab, Qt::ShiftModifier);
        QVERIFY(go->hasFocus());
        QCOMPARE(pictureAt(go), rest);
        QTest::keyPress(go, Qt::Key_Space);
        QCOMPARE(pictureAt(go), rest + QPoint(1, 1));
        QTest::keyRelease(go, Qt::Key_Space);
        QCOMPARE(pictureAt(go), rest);

        QTest::mousePress(go, Qt::LeftButton, {}, go->rect().center());
        QCOMPARE(pictureAt(go), rest + QPoint(1, 1));
        QTest::mouseRelease(go, Qt::LeftButton, {}, go->rect().center());
        QCOMPARE(pictureAt(go), rest);
    }
};

QTEST_MAIN(GoButtonPictureTest)
#include "go_button_picture_test.moc"
