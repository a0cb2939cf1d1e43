#pragma once

// Writing SVG elements with the chart's few drawing primitives: every
// coordinate checked finite, every text escaped, and hatching drawn stripe by
// stripe, since Qt SVG (the planner's chart and its print) draws no <pattern>.

#include <sstream>
#include <string>
#include <string_view>

namespace tarvelle::planning {

// `decimals` after the point, never "-0".
std::string formatNumber(double value, int decimals);

// A drawing coordinate, shortest form to 0.01; throws ChartError unless finite.
std::string at(double value);

// ` name="value"`, the value escaped.
std::string attribute(std::string_view name, std::string_view value);

// A value's place along a drawing axis.
struct Scale {
    double low;
    double high;
    double from;  // drawing coordinate of low
    double to;    // drawing coordinate of high
    double at(double value) const { return from + (value - low) / (high - low) * (to - from); }
};

struct Hatch {
    std::string_view colour;
    double degrees;  // the direction across the stripes, from the x axis
    double width;    // of a stripe
};

class Svg {
  public:
    Svg() { out.imbue(std::locale::classic()); }

    std::ostringstream out;

    // `style` holds further attributes, each with its leading space.
    void line(double x1, double y1, double x2, double y2, const std::string& style);
    void rect(double x, double y, double w, double h, const std::string& style);
    void text(double x, double y, std::string_view content, const std::string& style = {});
    // Stripes across the rectangle, cut to it.
    void hatch(double x, double y, double w, double h, const Hatch& style);
};

}  // namespace tarvelle::planning
