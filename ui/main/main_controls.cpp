#include "ui/main/main_controls.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "ui/widgets/required_control.h"

using namespace tarvelle::widgets;

namespace tarvelle::ui {

MainControls resolveMainControls(const QWidget& window) {
    MainControls controls;
    controls.Combo_ProductConfig = requireControl<QComboBox>(window, "Combo_ProductConfig");
    controls.Combo_CableType = requireControl<QComboBox>(window, "Combo_CableType");
    for (std::size_t i = 0; i < controls.textBoxes.size(); ++i) {
        controls.textBoxes[i] = requireControl<QLineEdit>(window, tarvelle::kTextBoxNames[i]);
    }
    controls.OptionDocsysMin = requireControl<QRadioButton>(window, "OptionDocsysMin");
    controls.OptionCustomMin = requireControl<QRadioButton>(window, "OptionCustomMin");
    controls.OptionDocsysMax = requireControl<QRadioButton>(window, "OptionDocsysMax");
    controls.OptionCustomMax = requireControl<QRadioButton>(window, "OptionCustomMax");
    controls.OptionFrequency1 = requireControl<QRadioButton>(window, "OptionFrequency1");
    controls.OptionFrequency2 = requireControl<QRadioButton>(window, "OptionFrequency2");
    controls.Calculate = requireControl<QPushButton>(window, "Calculate");
    controls.mnuHelp = requireControl<QMenu>(window, "mnuHelp");
    controls.mnuHelpAbout = requireControl<QAction>(window, "mnuHelpAbout");
    return controls;
}

}  // namespace tarvelle::ui
