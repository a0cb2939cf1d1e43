#include "ui/main/qt_window_operations.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace tarvelle::ui {

std::string QtWindowOperations::text(tarvelle::TextBox box) const {
    return controls_.field(box).text().toStdString();
}

void QtWindowOperations::setText(tarvelle::TextBox box, const std::string& text) {
    controls_.field(box).setText(QString::fromStdString(text));
}

void QtWindowOperations::setFocus(tarvelle::TextBox box) {
    controls_.field(box).setFocus(Qt::OtherFocusReason);
}

std::int16_t QtWindowOperations::selectedIndex(tarvelle::DropDownList list) const {
    return static_cast<std::int16_t>(controls_.list(list).currentIndex());
}

bool QtWindowOperations::isChosen(tarvelle::OptionButton option) const {
    return controls_.option(option).isChecked();
}

void QtWindowOperations::showMessage(const std::string& text) {
    present_(QString::fromStdString(text));
}

std::string localeDecimalSeparator(const QLocale& locale) {
    return locale.decimalPoint().toStdString();
}

}  // namespace tarvelle::ui
