#pragma once

// What every printed page of the report says in its margins, whichever face
// prints it: the project and site (or what the report is), who prepared it
// and when, and which program made it. The page number goes beside the last.

#include <string>

#include "planning/html_report.h"

namespace tarvelle::planning {

struct PageTitles {
    std::string topLeft;
    std::string topRight;
    std::string bottomLeft;
};

PageTitles pageTitles(const ReportInputs& report);

}  // namespace tarvelle::planning
