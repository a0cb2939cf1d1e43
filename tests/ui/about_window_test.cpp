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

using namespace Module1;
using namespace Module1::testing;

namespace {

QString labelText(const QWidget& window, const char* name) {
    return window.findChild<QLabel*>(name)->text();
}

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
    main.window.findChild<QAction*>("mnuHelpAbout")->trigger();
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
            QCOMPARE(labelText(window, "lblTitle"), "Tarvelle");
            QCOMPARE(labelText(window, "lblVersion"), "Version 1.0.0");
            auto* ok = window.findChild<QPushButton*>("cmdOK");
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
            window.findChild<QLabel*>("lblTitle")->setText("changed");
            QTest::keyClick(&window, Qt::Key_Return);
        });
        frmAbout* second = whileAboutIsOpen(main, [](frmAbout& window) {
            QCOMPARE(labelText(window, "lblTitle"), "Tarvelle");  // loaded afresh
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
        QCOMPARE(labelText(about, "lblVersion"), "Version 1.0.0");
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
            auto* widget = about.findChild<QWidget*>(name);
            QVERIFY2(widget != nullptr, qPrintable(name));
            QCOMPARE(widget->geometry(), row.rect.toPixels());
            QCOMPARE(widget->property("Tag").toString(), toQString(row.tag));
            QCOMPARE(widget->font().pointSizeF(), 8.25);
        }
        QCOMPARE(about.findChild<QLabel*>("picIcon")->pixmap().size(), QSize(32, 32));
        QCOMPARE(about.findChild<QWidget*>("Line1(1)")->geometry(), QRect(15, 162, 362, 1));
        QCOMPARE(about.findChild<QWidget*>("Line1(0)")->geometry(), QRect(16, 163, 361, 2));
    }
};

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
