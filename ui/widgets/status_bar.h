#pragma once

// A status bar with three panels: a text panel ("Status") that takes the
// width the others leave, then the date and the time, which it keeps current
// itself.

#include <QStatusBar>

class QLabel;

namespace tarvelle::widgets {

class StatusBar : public QStatusBar {
    Q_OBJECT

  public:
    explicit StatusBar(QWidget* parent = nullptr);

    QLabel* textPanel() const { return text_; }
    QLabel* datePanel() const { return date_; }
    QLabel* timePanel() const { return time_; }

  private:
    void refreshClock();

    QLabel* text_;
    QLabel* date_;
    QLabel* time_;
};

}  // namespace tarvelle::widgets
