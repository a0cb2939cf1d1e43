#include "app/resources/resource_captions.h"

#include <gtest/gtest.h>

#include "tests/resources/fake_controls.h"

namespace tarvelle::resources {

using Module1::ApplyResourceCaptions;
namespace {

struct Conversion {
    const char* name;
    std::string text;
    std::optional<int> integer;
    std::optional<int> leading;

    friend void PrintTo(const Conversion& row, std::ostream* out) { *out << row.name; }
};

class Conversions : public testing::TestWithParam<Conversion> {};

TEST_P(Conversions, IntegerAndLeadingNumber) {
    const auto& row = GetParam();
    EXPECT_EQ(integerConversion(row.text), row.integer) << "integer conversion";
    EXPECT_EQ(leadingNumberValue(row.text), row.leading) << "leading-number value";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Conversions,
    testing::Values(Conversion{"plain", "1004", 1004, 1004},
                    Conversion{"empty", "", std::nullopt, 0},
                    Conversion{"letters", "abc", std::nullopt, 0},
                    Conversion{"trailing_letter", "1004a", std::nullopt, 1004},
                    Conversion{"blanks_around", " 1004 ", 1004, 1004},
                    Conversion{"blanks_inside", "10 04", std::nullopt, 1004},
                    Conversion{"tie_rounds_down_to_even", "1004.5", 1004, 1004},
                    Conversion{"tie_rounds_up_to_even", "1003.5", 1004, 1004},
                    Conversion{"above_half_rounds_up", "1003.6", 1004, 1004},
                    Conversion{"negative", "-3", -3, -3},
                    Conversion{"beyond_16_bits", "40000", std::nullopt, std::nullopt},
                    Conversion{"lowest_16_bit", "-32768", -32768, -32768},
                    Conversion{"below_16_bits", "-32769", std::nullopt, std::nullopt},
                    Conversion{"highest_16_bit", "32767", 32767, 32767},
                    Conversion{"rounds_past_16_bits", "32767.5", std::nullopt, std::nullopt},
                    Conversion{"rounds_into_16_bits", "32767.4", 32767, 32767},
                    Conversion{"exponent", "1.004e3", 1004, 1004},
                    Conversion{"dangling_exponent", "1004e", std::nullopt, 1004},
                    Conversion{"comma_is_not_decimal", "1004,7", std::nullopt, 1004}),
    [](const auto& info) { return std::string(info.param.name); });

FakeControl label(const std::string& tag) {
    return FakeControl("Label", {{"Tag", tag}, {"Caption", "design"}, {"ToolTipText", ""}});
}

FakeControl button(const std::string& tag, const std::string& toolTip = "") {
    return FakeControl("CommandButton",
                       {{"Tag", tag}, {"Caption", "design"}, {"ToolTipText", toolTip}});
}

struct TagCase {
    const char* name;
    std::string kind;
    std::string tag;
    std::string caption;

    friend void PrintTo(const TagCase& row, std::ostream* out) { *out << row.name; }
};

class CaptionFromTag : public testing::TestWithParam<TagCase> {};

TEST_P(CaptionFromTag, SetsOrKeepsTheCaption) {
    const auto& row = GetParam();
    FakeControl control = row.kind == "Label" ? label(row.tag) : button(row.tag);
    FakeWindow window;
    window.members = {&control};
    ApplyResourceCaptions(window);
    EXPECT_EQ(control.get("Caption"), row.caption);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, CaptionFromTag,
    testing::Values(TagCase{"label_empty_tag", "Label", "", "design"},
                    TagCase{"label_letters", "Label", "abc", "design"},
                    TagCase{"label_identifier", "Label", "1004", "OK"},
                    TagCase{"label_identifier_and_letter", "Label", "1004a", "design"},
                    TagCase{"label_without_string", "Label", "999", "design"},
                    TagCase{"button_identifier_and_letter", "Button", "1004a", "OK"},
                    TagCase{"button_zero", "Button", "0", "design"},
                    TagCase{"button_negative", "Button", "-3", "design"},
                    TagCase{"button_beyond_16_bits", "Button", "40000", "design"},
                    TagCase{"button_without_string", "Button", "999", "design"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ApplyResourceCaptions, MenusTakeTheirIdentifierFromTheirCaption) {
    FakeControl help("Menu", {{"Tag", ""}, {"Caption", "1000"}});
    FakeControl about("Menu", {{"Tag", ""}, {"Caption", "1001"}});
    FakeWindow window;
    window.members = {&help, &about};
    ApplyResourceCaptions(window);
    EXPECT_EQ(help.get("Caption"), "&Help");
    EXPECT_EQ(about.get("Caption"), "&About ");
    EXPECT_EQ(window.caption, "design caption") << "no window tag, no window caption";

    ApplyResourceCaptions(window);
    EXPECT_EQ(help.get("Caption"), "&Help") << "a second run changes nothing";
    EXPECT_EQ(about.get("Caption"), "&About ");
}

TEST(ApplyResourceCaptions, WindowCaptionFromItsTagUnlessTheLookupFails) {
    FakeWindow window;
    window.windowTag = "1002";
    ApplyResourceCaptions(window);
    EXPECT_EQ(window.caption, "About Tarvelle");

    FakeWindow missing;
    missing.windowTag = "1002";
    ApplyResourceCaptions(missing, [](int) { return std::optional<std::string_view>(); });
    EXPECT_EQ(missing.caption, "design caption");
}

TEST(ApplyResourceCaptions, OtherKindsTakeOnlyIdentifiersAboveZero) {
    // A table that answers every identifier, 0 and negatives included.
    const auto anyId = [](int) { return std::optional<std::string_view>("looked up"); };
    FakeControl zero = button("0", "0");
    FakeControl negative = button("-3");
    FakeControl label0 = label("0");
    FakeWindow window;
    window.members = {&zero, &negative, &label0};
    ApplyResourceCaptions(window, anyId);
    EXPECT_EQ(zero.get("Caption"), "design");
    EXPECT_EQ(zero.get("ToolTipText"), "0");
    EXPECT_EQ(negative.get("Caption"), "design");
    EXPECT_EQ(label0.get("Caption"), "looked up") << "a label's identifier has no such bound";
}

TEST(ApplyResourceCaptions, AFailedStepSkipsOnlyItself) {
    // A line has neither caption nor tooltip; a picture has no caption but a tooltip.
    FakeControl line("Line", {{"Tag", "1004"}});
    FakeControl picture("PictureBox", {{"Tag", "1004"}, {"ToolTipText", "1006"}});
    FakeControl badTag = button("40000", "1007");
    FakeWindow window;
    window.windowTag = "not a number";
    window.members = {&line, &picture, &badTag};
    ApplyResourceCaptions(window);
    EXPECT_EQ(line.get("Tag"), "1004");
    EXPECT_EQ(picture.get("ToolTipText"), "Version");
    EXPECT_EQ(badTag.get("Caption"), "design");
    EXPECT_EQ(badTag.get("ToolTipText"), "Application Title");
}

TEST(ApplyResourceCaptions, CollectionsOfTabsButtonsAndColumnHeaders) {
    FakeControl tab("Tab", {{"Tag", "1006"}, {"Caption", "t"}, {"ToolTipText", "1007"}});
    FakeControl badTab("Tab", {{"Tag", "x"}, {"Caption", "t"}, {"ToolTipText", "1004"}});
    FakeControl tabs("TabStrip", {});
    tabs.addToCollection("Tabs", tab);
    tabs.addToCollection("Tabs", badTab);
    FakeControl toolButton("Button", {{"ToolTipText", "1004"}});
    FakeControl toolbar("Toolbar", {});
    toolbar.addToCollection("Buttons", toolButton);
    FakeControl header("ColumnHeader", {{"Tag", "1007"}, {"Text", "h"}});
    FakeControl listView("ListView", {});
    listView.addToCollection("ColumnHeaders", header);
    FakeWindow window;
    window.members = {&tabs, &toolbar, &listView};
    ApplyResourceCaptions(window);

    EXPECT_EQ(tab.get("Caption"), "Version");
    EXPECT_EQ(tab.get("ToolTipText"), "Application Title");
    EXPECT_EQ(badTab.get("Caption"), "t");
    EXPECT_EQ(badTab.get("ToolTipText"), "OK");
    EXPECT_EQ(toolButton.get("ToolTipText"), "OK");
    EXPECT_EQ(header.get("Text"), "Application Title");
}

TEST(StringTable, HoldsExactlyItsNineTexts) {
    EXPECT_EQ(LoadResString(1001), "&About ");
    EXPECT_EQ(LoadResString(1003), "&System Info...");
    EXPECT_EQ(LoadResString(1008), "App Description");
    EXPECT_FALSE(LoadResString(999).has_value());
    EXPECT_FALSE(LoadResString(1009).has_value());
}

}  // namespace
}  // namespace tarvelle::resources
