#pragma once

// A top-level window centred as a whole, frame included, on an area each time
// it is placed: the main window on the screen, the About window on its owner.
//
// A window manager frames a window only when it maps it, so before a window
// first appears its frame is unknown. It is placed then with the frame it had
// at its last showing, or else with that of a model window shown beside it,
// and placed again when it is first exposed, once its real frame is known.

#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <functional>

class QWidget;

namespace tarvelle::widgets {

class CentredPlacement : public QObject {
  public:
    // `area` is asked afresh at each placement.
    CentredPlacement(QWidget& window, std::function<QRect()> area, const QWidget* model = nullptr);

    // Centres the window now; called when it is about to be shown.
    void place();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void placeWith(const QMargins& frame);

    QWidget& window_;
    std::function<QRect()> area_;
    QPointer<const QWidget> model_;
    QMargins frame_;  // the frame it had when last known
    bool frameKnown_ = false;
    bool awaitingFrame_ = false;
};

// Where the client area goes so that a window of `client` size inside `frame`
// is centred, as a whole, on `area`.
QPoint centredClientPosition(const QRect& area, const QSize& client, const QMargins& frame);

}  // namespace tarvelle::widgets
