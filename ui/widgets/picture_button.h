#pragma once

#include <QPushButton>

namespace Module1 {

// A command button in graphical style: a flat face in its palette's Button
// colour with its picture centred on it and the usual raised border. The
// style's own face, a gradient, would hide the colour the layout gives it.
// Pressed, the border sinks and the picture moves with it; while the button
// has the focus, however it came, a dotted focus mark runs inside the border.
class PictureButton : public QPushButton {
    Q_OBJECT

  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace Module1
