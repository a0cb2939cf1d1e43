#include "ui/widgets/list_font.h"

#include <QComboBox>
#include <QStyleOptionComboBox>

namespace Module1 {

namespace {

// Liberation Sans Narrow has the widths of Arial Narrow, as Liberation Sans,
// which stands in for the window's faces, has those of Arial.
const QStringList kNarrowFaces{"Liberation Sans Narrow", "Arial Narrow", "DejaVu Sans Condensed"};

int closedBoxRoom(const QComboBox& list) {
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.editable = list.isEditable();
    option.frame = list.hasFrame();
    return list.style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &list)
        .width();
}

bool everyEntryFits(const QComboBox& list, const QFont& font, int room) {
    const QFontMetrics metrics(font);
    for (int i = 0; i < list.count(); ++i) {
        if (metrics.horizontalAdvance(list.itemText(i)) > room) {
            return false;
        }
    }
    return true;
}

}  // namespace

void fitEntries(QComboBox& list) {
    if (everyEntryFits(list, list.font(), closedBoxRoom(list))) {
        return;
    }
    QFont narrow = list.font();
    narrow.setFamilies(kNarrowFaces);
    list.setFont(narrow);
}

}  // namespace Module1
