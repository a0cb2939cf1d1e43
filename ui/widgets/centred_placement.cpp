#include "ui/widgets/centred_placement.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace tarvelle::widgets {

namespace {

QMargins frameOf(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

}  // namespace

QPoint centredClientPosition(const QRect& area, const QSize& client, const QMargins& frame) {
    const QSize whole = client.grownBy(frame);
    return {area.x() + (area.width() - whole.width()) / 2 + frame.left(),
            area.y() + (area.height() - whole.height()) / 2 + frame.top()};
}

CentredPlacement::CentredPlacement(QWidget& window, std::function<QRect()> area,
                                   const QWidget* model)
    : QObject(&window), window_(window), area_(std::move(area)), model_(model) {}

void CentredPlacement::place() {
    window_.winId();  // the native window, whose exposure tells when the frame is known
    window_.windowHandle()->installEventFilter(this);
    QMargins frame = frameKnown_ ? frame_ : frameOf(window_);
    if (!frameKnown_ && frame.isNull() && model_ != nullptr && model_->isVisible()) {
        frame = frameOf(*model_);
    }
    placeWith(frame);
    awaitingFrame_ = true;
}

bool CentredPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (awaitingFrame_ && event->type() == QEvent::Expose && window_.windowHandle()->isExposed()) {
        awaitingFrame_ = false;
        frame_ = frameOf(window_);
        frameKnown_ = true;
        placeWith(frame_);
    }
    return QObject::eventFilter(watched, event);
}

void CentredPlacement::placeWith(const QMargins& frame) {
    const QPoint client = centredClientPosition(area_(), window_.size(), frame);
    if (client != window_.geometry().topLeft()) {
        window_.setGeometry(QRect(client, window_.size()));
    }
}

}  // namespace tarvelle::widgets
