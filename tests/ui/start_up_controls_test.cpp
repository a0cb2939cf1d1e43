#include <QWidget>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/resources/qt_text.h"
#include "tests/ui/offscreen_fixture.h"
#include "ui/about/about_controls.h"
#include "ui/about/about_layout.h"
#include "ui/about/frm_about.h"
#include "ui/main/main_controls.h"
#include "ui/main/main_layout.h"

using namespace tarvelle::ui;
using namespace tarvelle::ui::testing;

namespace {

enum class Window { Main, About };

// A window's table with one row changed: the row named `name` is left out,
// renamed to `rename`, or built as a label.
std::vector<ControlSpec> alteredTable(Window window, std::string_view name, std::string_view rename,
                                      bool asLabel) {
    const auto table = window == Window::Main ? mainWindowControls() : aboutWindowControls();
    std::vector<ControlSpec> rows;
    for (ControlSpec row : table) {
        if (row.name == name) {
            if (rename.empty() && !asLabel) {
                continue;
            }
            row.name = rename.empty() ? row.name : rename;
            row.kind = asLabel ? ControlKind::Label : row.kind;
        }
        rows.push_back(row);
    }
    return rows;
}

}  // namespace

Q_DECLARE_METATYPE(Window)

class StartUpControlsTest : public QObject {
    Q_OBJECT

  public:
    static void initMain() { useOffscreenPlatform(); }

  private slots:
    void a_missing_control_stops_start_up_with_its_name_data() {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("rename");
        QTest::addColumn<bool>("asLabel");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, Window window, const QString& control,
                            const QString& rename, bool asLabel, const QString& message) {
            QTest::newRow(name) << window << control << rename << asLabel << message;
        };
        row("main: a level field left out", Window::Main, "PmaxDigital", "", false,
            "frmMain has no QLineEdit named PmaxDigital");
        row("main: a result field misspelt", Window::Main, "MaxWorstCaseM", "MaxWorstcaseM", false,
            "frmMain has no QLineEdit named MaxWorstCaseM");
        row("main: GO! built as a label", Window::Main, "Calculate", "", true,
            "frmMain has no QPushButton named Calculate");
        row("main: a plan option left out", Window::Main, "OptionFrequency1", "", false,
            "frmMain has no QRadioButton named OptionFrequency1");
        row("main: every control but no menu", Window::Main, "", "", false,
            "frmMain has no QMenu named mnuHelp");
        row("about: the version line left out", Window::About, "lblVersion", "", false,
            "frmAbout has no QLabel named lblVersion");
        row("about: OK misspelt", Window::About, "cmdOK", "cmdOk", false,
            "frmAbout has no QPushButton named cmdOK");
    }

    void a_missing_control_stops_start_up_with_its_name() {
        QFETCH(Window, window);
        QFETCH(QString, control);
        QFETCH(QString, rename);
        QFETCH(bool, asLabel);
        QFETCH(QString, message);
        const std::string name = control.toStdString();
        const std::string newName = rename.toStdString();
        const std::vector<ControlSpec> table = alteredTable(window, name, newName, asLabel);

        QWidget client;
        client.setObjectName(window == Window::Main ? "frmMain" : "frmAbout");
        buildControls(client, table);
        try {
            if (window == Window::Main) {
                resolveMainControls(client);
            } else {
                resolveAboutControls(client);
            }
            QFAIL("the controls resolved");
        } catch (const std::logic_error& error) {
            QCOMPARE(QString::fromUtf8(error.what()), message);
        }
    }

    void the_whole_windows_resolve() {
        MainWindowHarness main;
        QCOMPARE(main.ui().Calculate->objectName(), "Calculate");
        QCOMPARE(main.field(TextBox::MaxWorstCaseM)->objectName(), "MaxWorstCaseM");
        QCOMPARE(main.ui().mnuHelpAbout->objectName(), "mnuHelpAbout");
        frmAbout about(&main.window);
        QCOMPARE(about.controls().cmdOK->objectName(), "cmdOK");
    }
};

QTEST_MAIN(StartUpControlsTest)
#include "start_up_controls_test.moc"
