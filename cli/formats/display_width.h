#pragma once

// How many columns a terminal gives a UTF-8 text, so that what follows it
// lines up: most letters take one, combining marks none, and the wide
// letters of Chinese, Japanese and Korean and the fullwidth forms two.

#include <cstddef>
#include <string_view>

namespace tarvelle::cli {

// A byte that is not part of a valid UTF-8 sequence counts as one column,
// as the replacement character a terminal shows for it.
std::size_t displayWidth(std::string_view text);

}  // namespace tarvelle::cli
