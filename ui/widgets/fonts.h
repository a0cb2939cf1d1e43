#pragma once

#include <QFont>
#include <string_view>

namespace tarvelle::widgets {

struct FontSpec {
    std::string_view family;
    double points;
    bool bold;
};

inline constexpr FontSpec kDefaultFont{"MS Sans Serif", 8.25, false};
inline constexpr FontSpec kDefaultBold{"MS Sans Serif", 8.25, true};

// The font of a control, every attribute set so that nothing is inherited
// from its container (a bold frame caption must not make its contents bold).
// Where "MS Sans Serif" or "Arial" is missing, a metric-compatible face stands in.
QFont controlFont(const FontSpec& face);

}  // namespace tarvelle::widgets
