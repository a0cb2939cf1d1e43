#pragma once

// Frames as the layouts draw them: the border runs through the middle of the
// caption, which sits near the left edge, and the contents use the whole
// frame, so that a control at the frame's (120, 240) twips is exactly there.

#include <QProxyStyle>

namespace tarvelle::widgets {

class FrameStyle : public QProxyStyle {
    Q_OBJECT

  public:
    using QProxyStyle::QProxyStyle;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
};

}  // namespace tarvelle::widgets
