#pragma once

#include <QString>
#include <functional>
#include <memory>

class QMessageBox;
class QWidget;

namespace tarvelle::ui {

// Shows a user message and returns once it is closed. The window uses a modal
// box; tests put a recorder in its place.
using MessagePresenter = std::function<void(const QString& text)>;

// A box with the text, an OK button only, no icon and the application's title
// as caption.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text);

MessagePresenter modalMessageBoxes(QWidget* parent);

}  // namespace tarvelle::ui
