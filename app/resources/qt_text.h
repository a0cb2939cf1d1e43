#pragma once

#include <QString>
#include <string_view>

namespace tarvelle::resources {

// The program's own texts are UTF-8 string views; Qt wants QString.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tarvelle::resources
