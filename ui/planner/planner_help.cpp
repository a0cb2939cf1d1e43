// Help inside the window, for users who never open a terminal: the way
// through a building's plan, and which program this is.

#include <QMessageBox>

#include "engine/version.h"
#include "ui/planner/planner_window.h"

namespace tarvelle::planner {

void PlannerWindow::showHelp() {
    QMessageBox box(QMessageBox::Information, tr("Tarvelle Planner Help"),
                    tr("Plan a building's cable-TV runs over twisted-pair cable."),
                    QMessageBox::Close, this);
    box.setInformativeText(
        tr("<ol>"
           "<li><b>Open</b> the building's runs file (Ctrl+O): one run a row, its identifier and "
           "length (45m, 150ft, or metres bare), and its cable and product where they differ "
           "from those chosen. Rows that cannot be read are listed below the table.</li>"
           "<li><b>Set</b> the source level, product, cable, frequency plan and receiver "
           "windows on the left. Every run is checked again at once: its levels at the four "
           "band edges, its smallest margin, its verdict and the fix.</li>"
           "<li><b>Fix</b> what fails: Ctrl+F shows the failing runs only; edit a length, cable "
           "or product in the table (F2), add runs (Ctrl+Insert), paste rows from a spreadsheet "
           "(Ctrl+V), delete them (Delete). Ctrl+Z undoes every edit.</li>"
           "<li><b>Choose</b> on the Choice tab the product and cable that pass the most runs, "
           "and Apply it with the middle of its feed range.</li>"
           "<li><b>Save</b> the runs (Ctrl+S), save the report (File, Save Report), or print it "
           "or export it as PDF (Ctrl+P). View, Chart in a Window shows the chart at a size to "
           "read.</li></ol>"
           "<p>Unsaved edits are kept a second after each one and offered at the next start "
           "if the window did not close.</p>"));
    box.exec();
}

void PlannerWindow::showAbout() {
    QMessageBox::about(this, tr("About Tarvelle Planner"),
                       tr("<p><b>Tarvelle Planner %1</b></p><p>Checks a building's cable-TV runs "
                          "over twisted-pair cable, chooses the product, cable and feed level, "
                          "and prints the report.</p>")
                           .arg(QString::fromLatin1(kVersionText)));
}

}  // namespace tarvelle::planner
