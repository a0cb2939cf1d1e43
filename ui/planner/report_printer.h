#pragma once

// The report printed, or written as PDF, page by page: the report's page as
// the planning library writes it, laid out for the paper, with the titles in
// the top margin and "page N of M" at the foot of every page.

#include <QString>

#include "planning/page_titles.h"

class QPagedPaintDevice;

namespace tarvelle::planner {

// Throws std::runtime_error when nothing can be drawn on the device or the
// page cannot be read.
void printReport(QPagedPaintDevice& device, const QString& page,
                 const planning::PageTitles& titles);

}  // namespace tarvelle::planner
