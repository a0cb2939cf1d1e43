#pragma once

// Which part of the report goes on which printed page, from the heights of
// its pieces alone: a heading or an introduction stays with what follows it,
// what is kept whole moves to the next page rather than split, a table's
// heading row is repeated above its rows on every page, and only a piece
// taller than a whole page is cut, at the page's foot.

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace tarvelle::planner {

struct PagePiece {
    double height = 0;
    double spaceBefore = 0;  // left out at the top of a page
    bool keepWithNext = false;
    // A row of a table: the piece holding the table's heading row.
    std::optional<std::size_t> heading;
};

struct PlacedPiece {
    std::size_t piece = 0;
    double top = 0;
    double cutAt = 0;  // how much of a piece taller than a page earlier pages hold
};

using PrintedPage = std::vector<PlacedPiece>;

std::vector<PrintedPage> paginate(std::span<const PagePiece> pieces, double pageHeight);

}  // namespace tarvelle::planner
