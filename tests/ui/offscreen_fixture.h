#pragma once

// Shared set-up for widget tests: the offscreen platform, settings in a
// temporary folder, and a main window whose messages are recorded instead of
// shown in modal boxes.

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/resources/qt_text.h"
#include "engine/version.h"
#include "tests/data/test_data.h"
#include "ui/main/frm_main.h"
#include "ui/widgets/control_table.h"

namespace tarvelle::ui::testing {

using namespace tarvelle::resources;
using namespace tarvelle::widgets;

inline void useOffscreenPlatform() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

using tarvelle::TextBox;

// A control of a window's layout table by its name, also one the program never
// touches after building it, for checks of where it stands and how it looks.
template <typename Widget = QWidget>
Widget* tableControl(const QWidget& client, const QString& name) {
    for (QWidget* widget : client.findChildren<QWidget*>()) {
        if (auto* control = qobject_cast<Widget*>(widget);
            control != nullptr && widget->objectName() == name) {
            return control;
        }
    }
    qFatal("no control %s", qPrintable(name));
}

using tarvelle::testdata::WorkedExample;

// The worked examples of the shared data file, read once.
inline const std::vector<WorkedExample>& workedExamples() {
    static const std::vector<WorkedExample> rows = tarvelle::testdata::workedExamples();
    return rows;
}

inline const WorkedExample& workedExample(std::string_view name) {
    for (const WorkedExample& example : workedExamples()) {
        if (example.name == name) {
            return example;
        }
    }
    qFatal("no worked example %s", std::string(name).c_str());
}

inline QString toText(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// The twelve texts the window is to show for an example.
inline QStringList expectedResults(const WorkedExample& example) {
    QStringList texts;
    for (const std::string& result : example.results) {
        texts << toText(result);
    }
    return texts;
}

// Points the per-user settings store at a fresh folder for one test.
class SettingsSandbox {
  public:
    SettingsSandbox() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
    }

    QSettings store() const { return QSettings(kApplicationTitle); }

  private:
    QTemporaryDir dir_;
};

class MainWindowHarness {
  public:
    MainWindowHarness() {
        window.setMessagePresenter([this](const QString& text) { messages << text; });
        window.show();
    }

    // The controls the window found at start-up.
    const MainControls& ui() const { return window.controls(); }

    QLineEdit* field(TextBox box) const { return &ui().field(box); }

    // The twelve result texts in the order the calculation writes them.
    QStringList results() const {
        QStringList texts;
        for (const TextBox box : tarvelle::kResultFields) {
            texts << field(box)->text();
        }
        return texts;
    }

    // One of the six options by its name, for tests that list options as data.
    QRadioButton* option(const QString& name) const {
        const MainControls& c = ui();
        for (QRadioButton* option : {c.OptionDocsysMin, c.OptionCustomMin, c.OptionDocsysMax,
                                     c.OptionCustomMax, c.OptionFrequency1, c.OptionFrequency2}) {
            if (option->objectName() == name) {
                return option;
            }
        }
        qFatal("no option %s", qPrintable(name));
    }

    template <typename Widget = QWidget>
    Widget* layoutControl(const QString& name) const {
        return tableControl<Widget>(*window.centralWidget(), name);
    }

    // A mouse click near the left edge, where an option's circle is.
    void click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    }

    // Pastes a text whole, as the clipboard would, whatever characters it holds.
    void setText(TextBox box, const QString& text) { field(box)->setText(text); }

    // Clicks into the field, selects what it holds and types the text over it.
    void type(TextBox box, const QString& text) {
        QLineEdit* line = field(box);
        QTest::mouseClick(line, Qt::LeftButton);
        QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(line, text);
    }

    // Opens the list with the mouse and picks the entry at index with the
    // arrow keys and Enter.
    static void choose(QComboBox* list, int index) {
        QTest::mouseClick(list, Qt::LeftButton);
        QAbstractItemView* entries = list->view();
        QVERIFY(QTest::qWaitForWindowExposed(entries->window()));
        QTest::keyClick(entries, Qt::Key_Home);
        for (int i = 0; i < index; ++i) {
            QTest::keyClick(entries, Qt::Key_Down);
        }
        QTest::keyClick(entries, Qt::Key_Return);
    }

    SettingsSandbox settings;
    frmMain window;
    QStringList messages;
};

}  // namespace tarvelle::ui::testing
