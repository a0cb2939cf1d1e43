// What a planner window keeps between sessions, written as it closes: its
// place on the screen and its panes, and the inputs a plan was left with;
// the feed level, product and cable chosen are what the installer goes on
// with, and the runs file holds only the runs.

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QScreen>
#include <QSettings>
#include <QSignalBlocker>
#include <QSplitter>

#include "ui/planner/planner_window.h"

namespace tarvelle::planner {

namespace {

const QString kGeometryKey = QStringLiteral("planner/geometry");
const QString kPanesKey = QStringLiteral("planner/panes");
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

void PlannerWindow::placeWindow() {
    const QSettings settings;
    if (!restoreGeometry(settings.value(kGeometryKey).toByteArray())) {
        const QSize room = screen()->availableGeometry().size();
        resize(QSize(1200, 800).expandedTo(room * 0.9).boundedTo(room));
    }
    if (!splitter_->restoreState(settings.value(kPanesKey).toByteArray())) {
        // The inputs and chart above take half; the table the rest.
        splitter_->setSizes({height() / 2, height() / 2, 90});
    }
}

void PlannerWindow::keepSettings() const {
    QSettings settings;
    settings.setValue(kGeometryKey, saveGeometry());
    settings.setValue(kPanesKey, splitter_->saveState());
    settings.beginGroup(kInputsGroup);
    for (const QComboBox* list : {product_, cable_, plan_, unit_}) {
        settings.setValue(list->objectName(), list->currentIndex());
    }
    for (const QDoubleSpinBox* spin : {level_, minAnalog_, minDigital_, maxAnalog_, maxDigital_}) {
        settings.setValue(spin->objectName(), spin->value());
    }
}

}  // namespace tarvelle::planner
