#include "tests/ui/offscreen_fixture.h"

using namespace tarvelle::ui;
using namespace tarvelle::ui::testing;

class CloseSequenceTest : public QObject {
    Q_OBJECT

  public:
    static void initMain() { useOffscreenPlatform(); }

  private slots:
    void writes_the_outer_frame_in_twips() {
        MainWindowHarness main;
        const QRect frame = main.window.frameGeometry();
        main.window.close();

        QSettings store = main.settings.store();
        store.beginGroup("Settings");
        QCOMPARE(store.childKeys().size(), 4);
        QCOMPARE(store.value("MainLeft").toString(), QString::number(frame.left() * 15));
        QCOMPARE(store.value("MainTop").toString(), QString::number(frame.top() * 15));
        QCOMPARE(store.value("MainWidth").toString(), QString::number(frame.width() * 15));
        QCOMPARE(store.value("MainHeight").toString(), QString::number(frame.height() * 15));
        QVERIFY(store.value("MainWidth").toInt() >= 727 * 15);
    }

    void a_minimised_window_writes_nothing() {
        MainWindowHarness main;
        {
            QSettings store = main.settings.store();
            store.setValue("Settings/MainLeft", "earlier");
        }
        main.window.showMinimized();
        main.window.close();

        QSettings store = main.settings.store();
        store.beginGroup("Settings");
        QCOMPARE(store.childKeys(), QStringList{"MainLeft"});
        QCOMPARE(store.value("MainLeft").toString(), "earlier");
    }

    void other_windows_close_first() {
        MainWindowHarness main;
        QWidget other;
        other.show();
        main.window.close();
        QVERIFY(!other.isVisible());
    }
};

QTEST_MAIN(CloseSequenceTest)
#include "close_sequence_test.moc"
