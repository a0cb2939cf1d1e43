#include "planning/svg_writer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numbers>
#include <vector>

#include "planning/markup.h"
#include "planning/svg_chart.h"

namespace tarvelle::planning {

std::string formatNumber(double value, int decimals) {
    std::array<char, 400> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::fixed, decimals)
                         .ptr;
    std::string text(buffer.data(), end);
    if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

std::string at(double value) {
    if (!std::isfinite(value)) {
        throw ChartError("a coordinate is not a finite number");
    }
    std::string text = formatNumber(value, 2);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') {
        text.pop_back();
    }
    return text;
}

std::string attribute(std::string_view name, std::string_view value) {
    return " " + std::string(name) + "=\"" + escapeMarkup(value) + "\"";
}

void Svg::line(double x1, double y1, double x2, double y2, const std::string& style) {
    out << "  <line x1=\"" << at(x1) << "\" y1=\"" << at(y1) << "\" x2=\"" << at(x2) << "\" y2=\""
        << at(y2) << '"' << style << "/>\n";
}

void Svg::rect(double x, double y, double w, double h, const std::string& style) {
    out << "  <rect x=\"" << at(x) << "\" y=\"" << at(y) << "\" width=\"" << at(w) << "\" height=\""
        << at(h) << '"' << style << "/>\n";
}

void Svg::text(double x, double y, std::string_view content, const std::string& style) {
    out << "  <text x=\"" << at(x) << "\" y=\"" << at(y) << '"' << style << '>'
        << escapeMarkup(content) << "</text>\n";
}

namespace {

constexpr double kHatchSpacing = 9;

struct Point {
    double x;
    double y;
};

// The part of a convex polygon on one side of a line across the stripes.
std::vector<Point> cut(const std::vector<Point>& polygon, Point across, double line,
                       bool keepBelow) {
    const auto place = [&](Point p) { return p.x * across.x + p.y * across.y; };
    const auto kept = [&](Point p) { return keepBelow ? place(p) <= line : place(p) >= line; };
    std::vector<Point> piece;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Point from = polygon[i];
        const Point to = polygon[(i + 1) % polygon.size()];
        if (kept(from) != kept(to)) {
            const double t = (line - place(from)) / (place(to) - place(from));
            piece.push_back({from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)});
        }
        if (kept(to)) {
            piece.push_back(to);
        }
    }
    return piece;
}

}  // namespace

void Svg::hatch(double x, double y, double w, double h, const Hatch& style) {
    const double radians = style.degrees * std::numbers::pi / 180;
    const Point across{std::cos(radians), std::sin(radians)};
    const std::vector<Point> corners{{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}};
    double lowest = INFINITY;
    double highest = -INFINITY;
    for (const Point& corner : corners) {
        lowest = std::min(lowest, corner.x * across.x + corner.y * across.y);
        highest = std::max(highest, corner.x * across.x + corner.y * across.y);
    }
    std::string path;
    for (double k = std::floor(lowest / kHatchSpacing); k * kHatchSpacing < highest; ++k) {
        const double stripe = k * kHatchSpacing;
        const std::vector<Point> piece =
            cut(cut(corners, across, stripe, false), across, stripe + style.width, true);
        if (piece.size() < 3) {
            continue;  // only touches the rectangle
        }
        for (std::size_t i = 0; i < piece.size(); ++i) {
            path += (i == 0 ? "M" : "L") + at(piece[i].x) + ' ' + at(piece[i].y);
        }
        path += 'Z';
    }
    if (!path.empty()) {
        out << "  <path" << attribute("d", path) << attribute("fill", style.colour)
            << " fill-opacity=\"0.35\"/>\n";
    }
}

}  // namespace tarvelle::planning
