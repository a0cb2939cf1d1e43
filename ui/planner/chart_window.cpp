// The chart beside the table, and on request in a window of its own that the
// user can make as large as the screen: beside the table it shares the
// window's height with the inputs and is often too small to read.

#include <QScreen>
#include <QShortcut>
#include <QSvgRenderer>
#include <QSvgWidget>

#include "ui/planner/planner_window.h"

namespace tarvelle::planner {

void PlannerWindow::loadChart(QByteArray svg) {
    chartSvg_ = std::move(svg);
    for (QSvgWidget* shown : {chart_, chartWindow_.data()}) {
        if (shown != nullptr) {
            shown->load(chartSvg_);
            // Its height depends on what it shows: scaled whole, never
            // squeezed. A drawing loaded anew forgets the mode.
            shown->renderer()->setAspectRatioMode(Qt::KeepAspectRatio);
        }
    }
}

void PlannerWindow::showChartWindow() {
    if (chartWindow_ == nullptr) {
        auto* window = new QSvgWidget(this);
        chartWindow_ = window;
        chartWindow_->setWindowFlag(Qt::Window);
        chartWindow_->setAttribute(Qt::WA_DeleteOnClose);
        chartWindow_->setObjectName(QStringLiteral("chartWindow"));
        chartWindow_->setWindowTitle(tr("Chart - Tarvelle Planner"));
        chartWindow_->setAccessibleName(tr("Chart of received level against length"));
        new QShortcut(QKeySequence::Close, window, window, &QWidget::close);
        loadChart(chartSvg_);
        // At the size it is drawn for, where the screen has room.
        chartWindow_->resize(chartWindow_->renderer()
                                 ->defaultSize()
                                 .expandedTo({640, 480})
                                 .boundedTo(screen()->availableGeometry().size() * 0.9));
        // Whole on the screen, where the window manager leaves it to the program.
        chartWindow_->move(screen()->availableGeometry().center() - chartWindow_->rect().center());
    }
    chartWindow_->show();
    chartWindow_->raise();
    chartWindow_->activateWindow();
}

}  // namespace tarvelle::planner
