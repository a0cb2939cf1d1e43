#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "app/resources/qt_text.h"
#include "tests/ui/offscreen_fixture.h"
#include "ui/about/about_layout.h"
#include "ui/about/frm_about.h"
#include "ui/about/version_line.h"

using namespace tarvelle::ui;
using namespace tarvelle::ui::testing;

namespace {

// Chooses Help, About and runs check on the modal About window while it is
// open. The check is expected to close it; if it does not, it is closed here
// so that a failing test cannot hang.
frmAbout* whileAboutIsOpen(MainWindowHarness& main, const std::function<void(frmAbout&)>& check) {
    frmAbout* seen = nullptr;
    bool closedByCheck = false;
    QTimer::singleShot(0, [&] {
        seen = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
        if (seen == nullptr) {
            return;
        }
        check(*seen);
        closedByCheck = !seen->isVisible();
        if (!closedByCheck) {
            seen->reject();
        }
    });
    main.ui().mnuHelpAbout->trigger();
    if (seen == nullptr) {
        qWarning("no modal About window appeared");
        return nullptr;
    }
    if (!closedByCheck) {
        qWarning("the About window stayed open");
        return nullptr;
    }
    return seen;
}

}  // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT

  public:
    static void initMain() { useOffscreenPlatform(); }

  private slots:
    void opens_modal_over_the_main_window_with_its_texts() {
        MainWindowHarness main;
        frmAbout* about = whileAboutIsOpen(main, [&](frmAbout& window) {
            QCOMPARE(window.parentWidget(), &main.window);
            QVERIFY(window.windowIcon().isNull());
            QVERIFY(window.isModal());
            QCOMPARE(window.windowTitle(), "About Tarvelle");
            QCOMPARE(window.controls().lblTitle->text(), "Tarvelle");
            QCOMPARE(window.controls().lblVersion->text(), "Version 1.0.0");
            QPushButton* ok = window.controls().cmdOK;
            QCOMPARE(ok->text(), "OK");
            QVERIFY(ok->isDefault());
            QCOMPARE(window.focusWidget(), ok);
            QTest::mouseClick(ok, Qt::LeftButton);
        });
        QVERIFY(about != nullptr);
        QVERIFY(!about->isVisible());
    }

    void enter_and_escape_close_it_and_it_reopens_as_the_same_window() {
        MainWindowHarness main;
        frmAbout* first = whileAboutIsOpen(main, [](frmAbout& window) {
            window.controls().lblTitle->setText("changed");
            QTest::keyClick(&window, Qt::Key_Return);
        });
        frmAbout* second = whileAboutIsOpen(main, [](frmAbout& window) {
            QCOMPARE(window.controls().lblTitle->text(), "Tarvelle");  // loaded afresh
            QTest::keyClick(&window, Qt::Key_Escape);
        });
        frmAbout* third = whileAboutIsOpen(main, [](frmAbout& window) { window.close(); });
        QVERIFY(first != nullptr);
        QCOMPARE(second, first);
        QCOMPARE(third, first);
    }

    void closing_the_main_window_unloads_it_first() {
        MainWindowHarness main;
        whileAboutIsOpen(main, [&](frmAbout&) { main.window.close(); });
        QVERIFY(!main.window.isVisible());
        QCOMPARE(main.settings.store().value("Settings/MainLeft").toString().isEmpty(), false);
    }

    void caption_stays_when_its_string_is_missing() {
        frmAbout about(nullptr);
        about.setStringLookup([](int id) -> std::optional<std::string_view> {
            if (id == 1002) {
                return std::nullopt;
            }
            return LoadResString(id);
        });
        about.show();
        QCOMPARE(about.windowTitle(), "About Tarvelle");
        QCOMPARE(about.controls().lblVersion->text(), "Version 1.0.0");
    }

    void version_line_has_no_padding() {
        QCOMPARE(versionLine(1, 0, 12), "Version 1.0.12");
        QCOMPARE(versionLine(1, 0, 0), "Version 1.0.0");
    }

    void every_control_stands_where_the_table_puts_it() {
        frmAbout about(nullptr);
        QCOMPARE(about.size(), QSize(391, 235));
        QCOMPARE(about.property("Tag").toString(), "1002");
        for (const ControlSpec& row : aboutWindowControls()) {
            const QString name = toQString(row.name);
            auto* widget = tableControl(about, name);
            QCOMPARE(widget->geometry(), row.rect.pixels);
            QCOMPARE(widget->property("Tag").toString(), toQString(row.tag));
            QCOMPARE(widget->font().pointSizeF(), 8.25);
        }
        QCOMPARE(tableControl<QLabel>(about, "picIcon")->pixmap().size(), QSize(32, 32));
        QCOMPARE(tableControl(about, "Line1(1)")->geometry(), QRect(15, 162, 362, 1));
        QCOMPARE(tableControl(about, "Line1(0)")->geometry(), QRect(16, 163, 361, 2));
    }

    // Pixels are twips / 15, rounded to the nearest.
    void a_few_numbers_straight_from_the_layout() {
        frmAbout about(nullptr);
        QCOMPARE(about.size(), QSize(391, 235));  // 5865 x 3525
        // 4245, 2625, 1467, 345
        QCOMPARE(about.controls().cmdOK->geometry(), QRect(283, 175, 98, 23));
        // 240, 240, 540, 540
        QCOMPARE(tableControl(about, "picIcon")->geometry(), QRect(16, 16, 36, 36));
        // 1050, 240, 4092, 480
        QCOMPARE(about.controls().lblTitle->geometry(), QRect(70, 16, 273, 32));
    }
};

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
