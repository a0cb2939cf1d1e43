#include "ui/main/message_box.h"

#include <QMessageBox>

#include "engine/version.h"

namespace tarvelle::ui {

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, kApplicationTitle, text,
                                             QMessageBox::Ok, parent);
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

MessagePresenter modalMessageBoxes(QWidget* parent) {
    return [parent](const QString& text) { makeMessageBox(parent, text)->exec(); };
}

}  // namespace tarvelle::ui
