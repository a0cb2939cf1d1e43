// The status bar reads, left to right: "Status", today's date in the user's
// short date format, the time.

#include <QDateTime>
#include <QLabel>
#include <QStatusBar>

#include "tests/ui/offscreen_fixture.h"

using namespace tarvelle::ui::testing;

class StatusBarOrderTest : public QObject {
    Q_OBJECT

  public:
    static void initMain() { useOffscreenPlatform(); }

  private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void reads_status_date_and_time_in_order_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("dateFormat");
        QTest::addColumn<QString>("timeFormat");
        // The short formats of each, as their users write them.
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "dd.MM.yy"
                                << "HH:mm";
        QTest::newRow("French") << QLocale(QLocale::French, QLocale::France) << "dd/MM/yyyy"
                                << "HH:mm";
    }

    void reads_status_date_and_time_in_order() {
        QFETCH(QLocale, locale);
        QFETCH(QString, dateFormat);
        QFETCH(QString, timeFormat);
        QLocale::setDefault(locale);
        const QDateTime before = QDateTime::currentDateTime();
        MainWindowHarness main;
        const QDateTime after = QDateTime::currentDateTime();
        QVERIFY(QTest::qWaitForWindowExposed(&main.window));

        QList<QLabel*> panels;
        for (QLabel* panel :
             main.layoutControl<QStatusBar>("sbStatusBar")->findChildren<QLabel*>()) {
            if (panel->isVisible()) {
                panels << panel;
            }
        }
        std::sort(panels.begin(), panels.end(), [&main](QLabel* a, QLabel* b) {
            return a->mapTo(&main.window, QPoint()).x() < b->mapTo(&main.window, QPoint()).x();
        });
        QCOMPARE(panels.size(), 3);
        QCOMPARE(panels[0]->text(), "Status");
        QVERIFY2(panels[1]->text() == before.toString(dateFormat) ||
                     panels[1]->text() == after.toString(dateFormat),
                 qPrintable(panels[1]->text()));
        QVERIFY2(panels[2]->text() == before.toString(timeFormat) ||
                     panels[2]->text() == after.toString(timeFormat),
                 qPrintable(panels[2]->text()));
    }
};

QTEST_MAIN(StatusBarOrderTest)
#include "status_bar_order_test.moc"
