#include "ui/widgets/picture_button.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QStyle>

namespace Module1 {

namespace {

constexpr int kFocusInset = 4;

}  // namespace

void PictureButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const bool sunken = isDown();
    const QBrush face = palette().button();
    qDrawWinButton(&painter, rect(), palette(), sunken, &face);

    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const QPixmap picture = icon().pixmap(iconSize(), devicePixelRatioF(), mode);
    QRect place = QStyle::alignedRect(layoutDirection(), Qt::AlignCenter, iconSize(), rect());
    if (sunken) {
        place.translate(1, 1);
    }
    painter.drawPixmap(place, picture);

    if (hasFocus()) {
        // A dotted rectangle, not the style's mark, which would tint the face.
        QPen dots(palette().color(QPalette::ButtonText), 0);
        dots.setDashPattern({1, 1});
        painter.setPen(dots);
        painter.drawRect(
            rect().adjusted(kFocusInset, kFocusInset, -kFocusInset - 1, -kFocusInset - 1));
    }
}

}  // namespace Module1
