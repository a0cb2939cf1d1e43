#pragma once

// Option buttons that choose one of a few settings, grouped by what they set
// rather than by the widget they sit on, and driven from the keyboard as
// desktop option groups are.

#include <QButtonGroup>
#include <initializer_list>

class QAbstractButton;
class QWidget;

namespace Module1 {

// One exclusive group: once an option is selected, exactly one stays
// selected. An arrow key on an option selects the next (Down, Right) or the
// previous (Up, Left) enabled option of the group, wrapping round, and clicks
// it, so that the same reaction runs as for a mouse click. Focus never leaves
// the group by an arrow key.
class OptionGroup : public QButtonGroup {
    Q_OBJECT

  public:
    OptionGroup(std::initializer_list<QAbstractButton*> options, QObject* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QAbstractButton* neighbour(QAbstractButton& from, int step) const;
};

// The control that Tab (forward) or Shift+Tab reaches from `from` along its
// window's focus chain: the next enabled, visible control that takes the focus
// by Tab. Of an exclusive group only the selected option is a stop, and none
// of the group that `from` belongs to, so Tab enters a group at its selection
// and leaves it at once. Null when there is no other stop.
QWidget* nextTabStop(QWidget& from, bool forward);

}  // namespace Module1
