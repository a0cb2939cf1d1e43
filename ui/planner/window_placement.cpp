// Where the planner window stands and how its panes are shared: as the user
// left them, or at first most of the screen, with the chart given room to read.

#include <QScreen>
#include <QSettings>
#include <QSplitter>

#include "ui/planner/planner_window.h"

namespace tarvelle::planner {

namespace {

const QString kGeometryKey = QStringLiteral("planner/geometry");
const QString kPanesKey = QStringLiteral("planner/panes");

}  // namespace

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

void PlannerWindow::keepPlacement() const {
    QSettings settings;
    settings.setValue(kGeometryKey, saveGeometry());
    settings.setValue(kPanesKey, splitter_->saveState());
}

}  // namespace tarvelle::planner
