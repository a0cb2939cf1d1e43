#include "planning/page_titles.h"

namespace tarvelle::planning {

PageTitles pageTitles(const ReportInputs& report) {
    std::string top = report.project;
    if (!report.site.empty()) {
        top += (top.empty() ? "" : " \u2014 ") + report.site;
    }
    std::string right =
        report.preparedBy.empty() ? std::string() : "Prepared by " + report.preparedBy + ", ";
    right += report.date;
    return {top.empty() ? "Cable-run report" : top, right,
            "Tarvelle cable-run report, " + report.madeBy};
}

}  // namespace tarvelle::planning
