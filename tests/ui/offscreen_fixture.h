#pragma once

// Shared set-up for widget tests: the offscreen platform, settings in a
// temporary folder, and a main window whose messages are recorded instead of
// shown in modal boxes.

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/resources/version.h"
#include "ui/main/frm_main.h"

namespace Module1::testing {

inline void useOffscreenPlatform() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The result fields in the order the calculation writes them.
inline const QStringList kResultFields{
    "MinDistanceAnalogFt",  "MinDistanceAnalogM",  "MaxDistanceAnalogFt",  "MaxDistanceAnalogM",
    "MinDistanceDigitalFt", "MinDistanceDigitalM", "MaxDistanceDigitalFt", "MaxDistanceDigitalM",
    "MinWorstCaseFt",       "MinWorstCaseM",       "MaxWorstCaseFt",       "MaxWorstCaseM",
};

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

    template <typename Widget = QWidget>
    Widget* control(const QString& name) {
        auto* widget = window.findChild<Widget*>(name);
        if (widget == nullptr) {
            qFatal("no control %s", qPrintable(name));
        }
        return widget;
    }

    QLineEdit* field(const QString& name) { return control<QLineEdit>(name); }

    QStringList results() {
        QStringList texts;
        for (const QString& name : kResultFields) {
            texts << field(name)->text();
        }
        return texts;
    }

    void click(const QString& name) {
        auto* button = control<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    }

    void setText(const QString& name, const QString& text) { field(name)->setText(text); }

    SettingsSandbox settings;
    frmMain window;
    QStringList messages;
};

}  // namespace Module1::testing
