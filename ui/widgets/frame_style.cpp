#include "ui/widgets/frame_style.h"

#include <QPainter>
#include <QStyleOptionGroupBox>

namespace tarvelle::widgets {

namespace {

constexpr int kCaptionIndent = 6;
constexpr int kCaptionPadding = 2;

}  // namespace

QRect FrameStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                 SubControl part, const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || box == nullptr) {
        return QProxyStyle::subControlRect(control, option, part, widget);
    }
    const QSize caption = box->fontMetrics.size(Qt::TextShowMnemonic, box->text);
    switch (part) {
        case SC_GroupBoxLabel:
            return {kCaptionIndent + kCaptionPadding, 0, caption.width(), caption.height()};
        case SC_GroupBoxFrame:
            return option->rect.adjusted(0, caption.height() / 2, 0, 0);
        case SC_GroupBoxContents:
            return option->rect;
        default:
            return {};
    }
}

void FrameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                    QPainter* painter, const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || box == nullptr) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect frame = subControlRect(control, option, SC_GroupBoxFrame, widget);
    const QRect caption = subControlRect(control, option, SC_GroupBoxLabel, widget);
    painter->save();
    painter->setPen(option->palette.color(QPalette::Mid));
    painter->drawRect(frame.adjusted(0, 0, -1, -1));
    if (!box->text.isEmpty()) {
        painter->fillRect(caption.adjusted(-kCaptionPadding, 0, kCaptionPadding, 0),
                          option->palette.window());
    }
    painter->restore();
    drawItemText(painter, caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                 option->palette, (option->state & State_Enabled) != 0, box->text,
                 QPalette::WindowText);
}

}  // namespace tarvelle::widgets
