#pragma once

// The main window's controls that the program touches after building them,
// found once at start-up.

#include <array>
#include <cstddef>

#include "engine/window_operations.h"

class QAction;
class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QWidget;

namespace tarvelle::ui {

struct MainControls {
    QComboBox* Combo_ProductConfig = nullptr;
    QComboBox* Combo_CableType = nullptr;
    std::array<QLineEdit*, tarvelle::kTextBoxNames.size()> textBoxes{};  // by tarvelle::TextBox
    QRadioButton* OptionDocsysMin = nullptr;
    QRadioButton* OptionCustomMin = nullptr;
    QRadioButton* OptionDocsysMax = nullptr;
    QRadioButton* OptionCustomMax = nullptr;
    QRadioButton* OptionFrequency1 = nullptr;
    QRadioButton* OptionFrequency2 = nullptr;
    QPushButton* Calculate = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpAbout = nullptr;

    QLineEdit& field(tarvelle::TextBox box) const {
        return *textBoxes[static_cast<std::size_t>(box)];
    }
    QComboBox& list(tarvelle::DropDownList list) const {
        return *(list == tarvelle::DropDownList::Combo_CableType ? Combo_CableType
                                                                 : Combo_ProductConfig);
    }
    QRadioButton& option(tarvelle::OptionButton option) const {
        return *(option == tarvelle::OptionButton::OptionFrequency1 ? OptionFrequency1
                                                                    : OptionFrequency2);
    }
};

// Finds every control of MainControls among window's descendants. Throws
// std::logic_error naming the first control that is missing or of another kind.
MainControls resolveMainControls(const QWidget& window);

}  // namespace tarvelle::ui
