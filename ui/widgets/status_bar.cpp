#include "ui/widgets/status_bar.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QTimer>

#include "ui/widgets/twips.h"

namespace tarvelle::widgets {

namespace {

constexpr int kMinimumPanelTwips = 1440;

QLabel* makePanel(const QString& text, QWidget* parent) {
    auto* panel = new QLabel(text, parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setMinimumWidth(twipsToPixels(kMinimumPanelTwips));
    panel->setContentsMargins(2, 0, 2, 0);
    return panel;
}

}  // namespace

StatusBar::StatusBar(QWidget* parent)
    : QStatusBar(parent),
      text_(makePanel(QStringLiteral("Status"), this)),
      date_(makePanel({}, this)),
      time_(makePanel({}, this)) {
    setSizeGripEnabled(false);
    addWidget(text_, 1);
    addPermanentWidget(date_);
    addPermanentWidget(time_);
    refreshClock();

    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, &StatusBar::refreshClock);
    clock->start(1000);
}

void StatusBar::refreshClock() {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    date_->setText(locale.toString(now.date(), QLocale::ShortFormat));
    time_->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

}  // namespace tarvelle::widgets
