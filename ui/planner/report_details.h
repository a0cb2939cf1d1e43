#pragma once

// The title block of the report, asked of the user: the project, the site
// and who prepared it, on the report's first page and on every printed page.

#include <QString>

class QWidget;

namespace tarvelle::planner {

struct ReportDetails {
    QString project;
    QString site;
    QString preparedBy;
};

// Shows the details to change; returns whether the user kept the changes.
bool askReportDetails(QWidget* parent, ReportDetails& details);

}  // namespace tarvelle::planner
