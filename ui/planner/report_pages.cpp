#include "ui/planner/report_pages.h"

namespace tarvelle::planner {

namespace {

// The height of the pieces from `first` on that must share its page, the
// first one's space before left out.
double keptTogether(std::span<const PagePiece> pieces, std::size_t first) {
    double height = pieces[first].height;
    for (std::size_t i = first; pieces[i].keepWithNext && i + 1 < pieces.size(); ++i) {
        height += pieces[i + 1].spaceBefore + pieces[i + 1].height;
    }
    return height;
}

}  // namespace

std::vector<PrintedPage> paginate(std::span<const PagePiece> pieces, double pageHeight) {
    // Heights are sums: a chart sized to what its heading and caption leave of
    // a page fills it only to a rounding error, which must not part them.
    const double room = pageHeight * (1 + 1e-12);
    std::vector<PrintedPage> pages(1);
    double y = 0;
    const auto newPage = [&] {
        pages.emplace_back();
        y = 0;
    };
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const PagePiece& piece = pieces[i];
        const double repeated = piece.heading ? pieces[*piece.heading].height : 0;
        const double group = keptTogether(pieces, i);
        if (y > 0) {
            // What belongs together moves on whole when a page can hold it;
            // otherwise only the piece itself decides.
            const double needed = group + repeated <= room ? group : piece.height;
            if (y + piece.spaceBefore + needed > room) {
                newPage();
            } else {
                y += piece.spaceBefore;
            }
        }
        if (y == 0 && piece.heading) {
            pages.back().push_back({*piece.heading, 0, 0});
            y = repeated;
        }
        for (double cut = 0;;) {
            pages.back().push_back({i, y, cut});
            const double left = piece.height - cut;
            if (y + left <= room) {
                y += left;
                break;
            }
            cut += pageHeight - y;
            newPage();
        }
    }
    return pages;
}

}  // namespace tarvelle::planner
