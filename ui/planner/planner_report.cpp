// The planner window's report: its title block, the page the planning library
// writes for it, and that page printed or exported as PDF.

#include <QBuffer>
#include <QDate>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <optional>
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
    report.madeBy = std::string("tarvelle-planner ") + kVersionText;
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

// A PDF is made in memory, then written as every file the planner writes:
// beside its place, and put there once whole.
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
        const QString page = QString::fromStdString(reportHtml());
        const PageTitles titles = pageTitles(reportInputs());
        // The printer itself, or a PDF in memory laid out as it would be.
        QBuffer pdfBytes;
        std::optional<QPdfWriter> pdf;
        if (printer.outputFormat() == QPrinter::PdfFormat) {
            pdfBytes.open(QIODevice::WriteOnly);
            pdf.emplace(&pdfBytes);
            pdf->setPageLayout(printer.pageLayout());
            pdf->setResolution(printer.resolution());
            pdf->setTitle(QString::fromStdString(titles.topLeft));
            pdf->setCreator(QStringLiteral("tarvelle-planner ") + kVersionText);
        }
        printReport(pdf ? static_cast<QPagedPaintDevice&>(*pdf) : printer, page, titles);
        if (!pdf) {
            return;
        }
        pdf.reset();  // the PDF's last bytes are written as the writer goes
        if (writeFile(printer.outputFileName(), pdfBytes.data().toStdString())) {
            statusBar()->showMessage(tr("Saved the report as %1").arg(printer.outputFileName()),
                                     5000);
        }
    } catch (const ArithmeticError&) {
        tell(tr("No report: Run-time error: Overflow"));
    } catch (const std::runtime_error& error) {
        tell(tr("The report cannot be printed: %1").arg(QString::fromStdString(error.what())));
    }
}

}  // namespace tarvelle::planner
