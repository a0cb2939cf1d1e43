#include "app/resources/resource_captions.h"

#include <cmath>
#include <string>

#include "engine/number_rule.h"

namespace tarvelle::resources {

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

std::optional<int> roundToInt16(double value) {
    const double rounded = std::nearbyint(value);  // ties to even
    if (rounded < -32768 || rounded > 32767) {
        return std::nullopt;
    }
    return static_cast<int>(rounded);
}

// Sets a property from the string table; any failure leaves it as it was.
void captionFrom(ResourceControl& control, std::string_view property, std::optional<int> id,
                 const StringLookup& lookup) {
    if (!id) {
        return;
    }
    if (const auto text = lookup(*id)) {
        control.setProperty(property, std::string(*text));
    }
}

std::optional<int> integerOf(const ResourceControl& control, std::string_view property) {
    const auto text = control.property(property);
    return text ? integerConversion(*text) : std::nullopt;
}

void captionPerItem(ResourceControl& control, std::string_view collection,
                    std::string_view idProperty, std::string_view target,
                    const StringLookup& lookup) {
    if (auto items = control.collection(collection)) {
        for (auto& item : *items) {
            captionFrom(*item, target, integerOf(*item, idProperty), lookup);
        }
    }
}

// Any other kind: only identifiers above zero count.
void captionByLeadingNumber(ResourceControl& control, std::string_view idProperty,
                            std::string_view target, const StringLookup& lookup) {
    const auto text = control.property(idProperty);
    if (!text) {
        return;
    }
    const auto id = leadingNumberValue(*text);
    if (id && *id > 0) {
        captionFrom(control, target, id, lookup);
    }
}

void applyToControl(ResourceControl& control, const StringLookup& lookup) {
    const std::string kind = control.kindName();
    if (kind == "Label") {
        captionFrom(control, "Caption", integerOf(control, "Tag"), lookup);
    } else if (kind == "Menu") {
        captionFrom(control, "Caption", integerOf(control, "Caption"), lookup);
    } else if (kind == "TabStrip") {
        if (auto tabs = control.collection("Tabs")) {
            for (auto& tab : *tabs) {
                captionFrom(*tab, "Caption", integerOf(*tab, "Tag"), lookup);
                captionFrom(*tab, "ToolTipText", integerOf(*tab, "ToolTipText"), lookup);
            }
        }
    } else if (kind == "Toolbar") {
        captionPerItem(control, "Buttons", "ToolTipText", "ToolTipText", lookup);
    } else if (kind == "ListView") {
        captionPerItem(control, "ColumnHeaders", "Tag", "Text", lookup);
    } else {
        captionByLeadingNumber(control, "Tag", "Caption", lookup);
        captionByLeadingNumber(control, "ToolTipText", "ToolTipText", lookup);
    }
}

}  // namespace

std::optional<int> integerConversion(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    const auto last = text.find_last_not_of(kBlanks);
    const auto value = tarvelle::parseLevel(text.substr(first, last - first + 1), ".");
    return value ? roundToInt16(*value) : std::nullopt;
}

std::optional<int> leadingNumberValue(std::string_view text) {
    std::string packed;
    for (const char c : text) {
        if (kBlanks.find(c) == std::string_view::npos) {
            packed += c;
        }
    }
    const tarvelle::LeadingNumber number = tarvelle::leadingNumber(packed, ".");
    if (number.length == 0) {
        return 0;
    }
    return number.value ? roundToInt16(*number.value) : std::nullopt;
}

}  // namespace tarvelle::resources

namespace Module1 {

using namespace tarvelle::resources;

void ApplyResourceCaptions(ResourceWindow& window, const StringLookup& lookup) {
    if (const auto tag = window.tag()) {
        if (const auto id = integerConversion(*tag)) {
            if (const auto text = lookup(*id)) {
                window.setCaption(std::string(*text));
            }
        }
    }
    for (auto& control : window.controls()) {
        applyToControl(*control, lookup);
    }
}

}  // namespace Module1
