#include "ui/widgets/option_group.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace Module1 {

namespace {

// +1 for the next option, -1 for the previous one, 0 for any other key.
int arrowStep(const QKeyEvent& key) {
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return 0;
    }
    switch (key.key()) {
        case Qt::Key_Down:
        case Qt::Key_Right:
            return 1;
        case Qt::Key_Up:
        case Qt::Key_Left:
            return -1;
        default:
            return 0;
    }
}

const QButtonGroup* exclusiveGroupOf(const QWidget& widget) {
    const auto* button = qobject_cast<const QAbstractButton*>(&widget);
    const QButtonGroup* group = button != nullptr ? button->group() : nullptr;
    return group != nullptr && group->exclusive() ? group : nullptr;
}

bool isTabStop(const QWidget& widget, const QWidget& window, const QButtonGroup* leaving) {
    if (widget.window() != &window || !widget.isEnabled() || !widget.isVisibleTo(&window)) {
        return false;
    }
    // The toolkit moves Tab focus among a group's options as the focus moves;
    // here the selection alone decides.
    if (const QButtonGroup* group = exclusiveGroupOf(widget)) {
        return group != leaving && group->checkedButton() == &widget;
    }
    return (widget.focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

}  // namespace

OptionGroup::OptionGroup(std::initializer_list<QAbstractButton*> options, QObject* parent)
    : QButtonGroup(parent) {
    for (QAbstractButton* option : options) {
        addButton(option);
        option->installEventFilter(this);
    }
}

bool OptionGroup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int step = arrowStep(*static_cast<QKeyEvent*>(event));
    if (step == 0) {
        return false;
    }
    if (QAbstractButton* target = neighbour(*qobject_cast<QAbstractButton*>(watched), step)) {
        target->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        target->click();
    }
    return true;
}

QAbstractButton* OptionGroup::neighbour(QAbstractButton& from, int step) const {
    const QList<QAbstractButton*> options = buttons();
    const auto count = options.size();
    for (auto i = (options.indexOf(&from) + step + count) % count; options[i] != &from;
         i = (i + step + count) % count) {
        if (options[i]->isEnabled() && options[i]->isVisible()) {
            return options[i];
        }
    }
    return nullptr;
}

QWidget* nextTabStop(QWidget& from, bool forward) {
    const QWidget& window = *from.window();
    const QButtonGroup* leaving = exclusiveGroupOf(from);
    const auto step = [forward](QWidget* widget) {
        return forward ? widget->nextInFocusChain() : widget->previousInFocusChain();
    };
    for (QWidget* widget = step(&from); widget != nullptr && widget != &from;
         widget = step(widget)) {
        if (isTabStop(*widget, window, leaving)) {
            return widget;
        }
    }
    return nullptr;
}

}  // namespace Module1
