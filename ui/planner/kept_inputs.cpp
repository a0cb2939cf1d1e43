// The inputs a plan was left with, back at the next start: the feed level,
// product and cable chosen are what the installer goes on with, and the runs
// file holds only the runs.

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSettings>
#include <QSignalBlocker>

#include "ui/planner/planner_window.h"

namespace tarvelle::planner {

namespace {

const QString kInputsGroup = QStringLiteral("planner/inputs");

}  // namespace

void PlannerWindow::restoreInputs() {
    QSettings settings;
    settings.beginGroup(kInputsGroup);
    if (!settings.contains(unit_->objectName())) {
        return;  // the presets, on a first start
    }
    for (QComboBox* list : {product_, cable_, plan_, unit_}) {
        const QSignalBlocker quiet(list);
        const int index = settings.value(list->objectName(), list->currentIndex()).toInt();
        list->setCurrentIndex(index >= 0 && index < list->count() ? index : list->currentIndex());
    }
    shownUnit_ = unit();
    for (QDoubleSpinBox* spin : {level_, minAnalog_, minDigital_, maxAnalog_, maxDigital_}) {
        const QSignalBlocker quiet(spin);
        spin->setValue(settings.value(spin->objectName(), spin->value()).toDouble());
    }
}

void PlannerWindow::keepInputs() const {
    QSettings settings;
    settings.beginGroup(kInputsGroup);
    for (const QComboBox* list : {product_, cable_, plan_, unit_}) {
        settings.setValue(list->objectName(), list->currentIndex());
    }
    for (const QDoubleSpinBox* spin : {level_, minAnalog_, minDigital_, maxAnalog_, maxDigital_}) {
        settings.setValue(spin->objectName(), spin->value());
    }
}

}  // namespace tarvelle::planner
