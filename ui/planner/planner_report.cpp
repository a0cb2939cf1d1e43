// The planner window's report: its title block, the page the planning library
// writes for it, and that page printed or exported as PDF.

#include <QDate>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStatusBar>
#include <sstream>
#include <stdexcept>

#include "engine/arithmetic_error.h"
#include "engine/version.h"
#include "planning/page_titles.h"
#include "planning/plan_report.h"
#include "ui/planner/planner_window.h"
#include "ui/planner/report_printer.h"

namespace tarvelle::planner {

using namespace tarvelle::planning;

ReportInputs PlannerWindow::reportInputs() const {
    ReportInputs report;
    report.unit = unit();
    report.runsSource = QFileInfo(path_).fileName().toStdString();
    report.date = QDate::currentDate().toString(Qt::ISODate).toStdString();
    report.version = kVersionText;
    report.project = details_.project.toStdString();
    report.site = details_.site.toStdString();
    report.preparedBy = details_.preparedBy.toStdString();
    return report;
}

std::string PlannerWindow::reportHtml() const {
    std::ostringstream page;
    writePlanReport(page, reportInputs(), scenario(), chosenCombination(), runs_, problems_);
    return page.str();
}

void PlannerWindow::editReportDetails() {
    askReportDetails(this, details_);
}

// A PDF is written beside its file and put in its place once whole, as every
// file the planner writes.
void PlannerWindow::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(path_.isEmpty()
                           ? QStringLiteral("report")
                           : QFileInfo(path_).completeBaseName() + QStringLiteral("-report"));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print Report"));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    try {
        const ReportInputs inputs = reportInputs();
        const QString page = QString::fromStdString(reportHtml());
        if (printer.outputFormat() != QPrinter::PdfFormat) {
            printReport(printer, page, pageTitles(inputs));
            return;
        }
        QSaveFile file(printer.outputFileName());
        if (!file.open(QIODevice::WriteOnly)) {
            tell(tr("%1 cannot be written: %2").arg(file.fileName(), file.errorString()));
            return;
        }
        {
            QPdfWriter pdf(&file);
            pdf.setPageLayout(printer.pageLayout());
            pdf.setResolution(printer.resolution());
            pdf.setTitle(QString::fromStdString(pageTitles(inputs).topLeft));
            pdf.setCreator(QStringLiteral("tarvelle-planner ") + kVersionText);
            printReport(pdf, page, pageTitles(inputs));
        }
        if (!file.commit()) {
            tell(tr("%1 cannot be written: %2").arg(file.fileName(), file.errorString()));
            return;
        }
        statusBar()->showMessage(tr("Saved the report as %1").arg(file.fileName()), 5000);
    } catch (const ArithmeticError&) {
        tell(tr("No report: Run-time error: Overflow"));
    } catch (const std::runtime_error& error) {
        tell(tr("The report cannot be printed: %1").arg(QString::fromStdString(error.what())));
    }
}

}  // namespace tarvelle::planner
