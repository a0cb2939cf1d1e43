#pragma once

// A window's controls as one table of data: what each control is, where it
// sits (twips, in its container's coordinates) and how it looks. One loop
// builds the widgets; the tests check the built window against the same table.

#include <QColor>
#include <span>
#include <string_view>

#include "ui/widgets/fonts.h"
#include "ui/widgets/twips.h"

class QWidget;

namespace tarvelle::widgets {

enum class ControlKind {
    Label,
    TextBox,
    ComboBox,
    OptionButton,
    Frame,
    CommandButton,
    Image,
    PictureBox,
    StatusBar,
    Line,  // a horizontal line: its rectangle's height is its thickness
};

enum class Align { Left, Centre };

struct ControlSpec {
    std::string_view name;
    ControlKind kind;
    std::string_view container = {};  // empty for the window itself
    std::string_view caption = {};
    TwipRect rect;
    int tabIndex;  // -1 for controls without one
    FontSpec font = kDefaultFont;
    Align align = Align::Left;
    std::string_view picture = {};  // a Qt resource path
    QColor background = {};         // invalid: the style's own; a line's colour
    std::string_view tag = {};      // a string identifier for the captioning routine
};

// What a screen reader says for a control, and the label that names it on
// screen (empty for none).
struct AccessibleText {
    std::string_view control;
    std::string_view name;
    std::string_view label = {};
};

// The kind name a control reports to the captioning routine.
const char* kindName(ControlKind kind);

// Creates every control of the table on client (containers before their
// contents, later rows drawn above earlier ones) and chains the focusable ones
// in tab-index order.
void buildControls(QWidget& client, std::span<const ControlSpec> table);

// Gives the controls their accessible names and makes each label the buddy of
// the control it names.
void applyAccessibleTexts(QWidget& client, std::span<const AccessibleText> table);

}  // namespace tarvelle::widgets
