#pragma once

// A window's controls are found by name once, right after they are built, so
// that a missing or misspelt name stops the program at start-up rather than
// at the first click that needs the control.

#include <QObject>
#include <stdexcept>
#include <string>
#include <string_view>

#include "app/resources/qt_text.h"

namespace tarvelle::widgets {

// The control of the given kind named `name` among window's descendants.
// Throws std::logic_error naming the control and the kind when there is none.
template <typename Control>
Control* requireControl(const QObject& window, std::string_view name) {
    auto* control = window.findChild<Control*>(tarvelle::resources::toQString(name));
    if (control == nullptr) {
        const std::string owner =
            window.objectName().isEmpty() ? "the window" : window.objectName().toStdString();
        throw std::logic_error(owner + " has no " + Control::staticMetaObject.className() +
                               " named " + std::string(name));
    }
    return control;
}

}  // namespace tarvelle::widgets
