#pragma once

// The About window's controls that it touches after building them, found once
// at start-up.

class QLabel;
class QPushButton;
class QWidget;

namespace tarvelle::ui {

struct AboutControls {
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QPushButton* cmdOK = nullptr;
};

// Throws std::logic_error naming the first control that is missing or of
// another kind.
AboutControls resolveAboutControls(const QWidget& window);

}  // namespace tarvelle::ui
