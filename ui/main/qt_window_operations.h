#pragma once

// The calculation run's view of the main window, on the controls found at start-up.

#include <QLocale>

#include "engine/window_operations.h"
#include "ui/main/main_controls.h"
#include "ui/main/message_box.h"

namespace tarvelle::ui {

class QtWindowOperations : public tarvelle::WindowOperations {
  public:
    // The controls are the window's own, filled in once it has built them.
    QtWindowOperations(const MainControls& controls, MessagePresenter present)
        : controls_(controls), present_(std::move(present)) {}

    std::string text(tarvelle::TextBox box) const override;
    void setText(tarvelle::TextBox box, const std::string& text) override;
    void setFocus(tarvelle::TextBox box) override;
    std::int16_t selectedIndex(tarvelle::DropDownList list) const override;
    bool isChosen(tarvelle::OptionButton option) const override;
    void showMessage(const std::string& text) override;

  private:
    const MainControls& controls_;
    MessagePresenter present_;
};

// The decimal separator of the user's locale.
std::string localeDecimalSeparator(const QLocale& locale = QLocale());

}  // namespace tarvelle::ui
