#pragma once

// The calculation run's view of the main window: its controls found by name.

#include <QLocale>
#include <QWidget>

#include "engine/window_operations.h"
#include "ui/main/message_box.h"

namespace Module1 {

class QtWindowOperations : public tarvelle::WindowOperations {
  public:
    QtWindowOperations(QWidget& window, MessagePresenter present)
        : window_(window), present_(std::move(present)) {}

    std::string text(tarvelle::TextBox box) const override;
    void setText(tarvelle::TextBox box, const std::string& text) override;
    void setFocus(tarvelle::TextBox box) override;
    std::int16_t selectedIndex(tarvelle::DropDownList list) const override;
    bool isChosen(tarvelle::OptionButton option) const override;
    void showMessage(const std::string& text) override;

  private:
    template <typename Widget>
    Widget& control(std::string_view name) const;

    QWidget& window_;
    MessagePresenter present_;
};

// The decimal separator of the user's locale.
std::string localeDecimalSeparator(const QLocale& locale = QLocale());

}  // namespace Module1
