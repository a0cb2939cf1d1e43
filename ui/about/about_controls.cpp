#include "ui/about/about_controls.h"

#include <QLabel>
#include <QPushButton>

#include "ui/widgets/required_control.h"

using namespace tarvelle::widgets;

namespace tarvelle::ui {

AboutControls resolveAboutControls(const QWidget& window) {
    return {.lblTitle = requireControl<QLabel>(window, "lblTitle"),
            .lblVersion = requireControl<QLabel>(window, "lblVersion"),
            .cmdOK = requireControl<QPushButton>(window, "cmdOK")};
}

}  // namespace tarvelle::ui
