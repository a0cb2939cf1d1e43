#include "ui/main/qt_window_operations.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <stdexcept>

#include "app/resources/qt_text.h"

namespace Module1 {

template <typename Widget>
Widget& QtWindowOperations::control(std::string_view name) const {
    auto* widget = window_.findChild<Widget*>(toQString(name));
    if (widget == nullptr) {
        throw std::logic_error("the window has no control " + std::string(name));
    }
    return *widget;
}

std::string QtWindowOperations::text(tarvelle::TextBox box) const {
    return control<QLineEdit>(controlName(box)).text().toStdString();
}

void QtWindowOperations::setText(tarvelle::TextBox box, const std::string& text) {
    control<QLineEdit>(controlName(box)).setText(QString::fromStdString(text));
}

void QtWindowOperations::setFocus(tarvelle::TextBox box) {
    control<QLineEdit>(controlName(box)).setFocus(Qt::OtherFocusReason);
}

std::int16_t QtWindowOperations::selectedIndex(tarvelle::DropDownList list) const {
    return static_cast<std::int16_t>(control<QComboBox>(controlName(list)).currentIndex());
}

bool QtWindowOperations::isChosen(tarvelle::OptionButton option) const {
    return control<QRadioButton>(controlName(option)).isChecked();
}

void QtWindowOperations::showMessage(const std::string& text) {
    present_(QString::fromStdString(text));
}

std::string localeDecimalSeparator(const QLocale& locale) {
    return locale.decimalPoint().toStdString();
}

}  // namespace Module1
