#include "ui/widgets/control_table.h"

#include <QComboBox>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <vector>
#include "ui/widgets/frame_style.h"

#include "app/resources/qt_resource_controls.h"
#include "app/resources/qt_text.h"
#include "ui/widgets/picture_button.h"
#include "ui/widgets/required_control.h"
#include "ui/widgets/status_bar.h"

using namespace tarvelle::resources;

namespace tarvelle::widgets {

namespace {

QWidget* createWidget(const ControlSpec& row, QWidget* parent, QStyle& frameStyle) {
    const QString caption = toQString(row.caption);
    switch (row.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(caption, parent);
            label->setWordWrap(true);
            label->setAlignment(row.align == Align::Centre ? Qt::AlignHCenter | Qt::AlignTop
                                                           : Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
        case ControlKind::TextBox:
            return new QLineEdit(parent);
        case ControlKind::ComboBox:
            return new QComboBox(parent);  // not editable: pick only
        case ControlKind::OptionButton:
            return new QRadioButton(caption, parent);
        case ControlKind::Frame: {
            auto* frame = new QGroupBox(caption, parent);
            frame->setStyle(&frameStyle);
            return frame;
        }
        case ControlKind::CommandButton: {
            // A button with a picture is in graphical style and draws its own face.
            auto* button = row.picture.empty() ? new QPushButton(caption, parent)
                                               : new PictureButton(caption, parent);
            button->setAutoDefault(false);
            return button;
        }
        case ControlKind::Image: {
            auto* picture = new QLabel(parent);
            picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return picture;
        }
        case ControlKind::PictureBox: {
            auto* picture = new QLabel(parent);
            picture->setAlignment(Qt::AlignCenter);
            picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            picture->setLineWidth(2);
            picture->setFocusPolicy(Qt::TabFocus);
            return picture;
        }
        case ControlKind::Line:
            return new QWidget(parent);
        case ControlKind::StatusBar:
            return new StatusBar(parent);
    }
    return nullptr;
}

// Pictures are shown at their natural size; an icon also finds the picture's
// "@2x" variant, which keeps them sharp on high-DPI screens.
void applyLook(const ControlSpec& row, QWidget& widget) {
    if (row.picture.empty()) {
        return;
    }
    const QString path = toQString(row.picture);
    const QIcon picture(path);
    const QSize natural = QImageReader(path).size();
    if (auto* button = qobject_cast<QPushButton*>(&widget)) {
        button->setIcon(picture);
        button->setIconSize(natural);
    } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
        label->setPixmap(picture.pixmap(natural, label->devicePixelRatioF()));
    }
}

void applyBackground(const ControlSpec& row, QWidget& widget) {
    if (!row.background.isValid()) {
        return;
    }
    QPalette palette = widget.palette();
    for (const auto role : {QPalette::Base, QPalette::Button, QPalette::Window}) {
        palette.setColor(role, row.background);
    }
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

}  // namespace

const char* kindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
            return "Label";
        case ControlKind::TextBox:
            return "TextBox";
        case ControlKind::ComboBox:
            return "ComboBox";
        case ControlKind::OptionButton:
            return "OptionButton";
        case ControlKind::Frame:
            return "Frame";
        case ControlKind::CommandButton:
            return "CommandButton";
        case ControlKind::Image:
            return "Image";
        case ControlKind::PictureBox:
            return "PictureBox";
        case ControlKind::StatusBar:
            return "StatusBar";
        case ControlKind::Line:
            return "Line";
    }
    return "";
}

void buildControls(QWidget& client, std::span<const ControlSpec> table) {
    auto* frameStyle = new FrameStyle;
    frameStyle->setParent(&client);
    std::vector<std::pair<int, QWidget*>> focusable;
    for (const ControlSpec& row : table) {
        QWidget* parent =
            row.container.empty() ? &client : requireControl<QWidget>(client, row.container);
        QWidget* widget = createWidget(row, parent, *frameStyle);
        widget->setObjectName(toQString(row.name));
        markControl(*widget, kindName(row.kind), toQString(row.tag));
        widget->setGeometry(row.rect.pixels);
        // Setting a font re-polishes the widget: only where it differs from the inherited one.
        if (const QFont font = controlFont(row.font); widget->font() != font) {
            widget->setFont(font);
        }
        applyLook(row, *widget);
        applyBackground(row, *widget);
        if (widget->focusPolicy() != Qt::NoFocus && row.tabIndex >= 0) {
            focusable.emplace_back(row.tabIndex, widget);
        }
    }
    std::sort(focusable.begin(), focusable.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);
    }
}

void applyAccessibleTexts(QWidget& client, std::span<const AccessibleText> table) {
    for (const AccessibleText& row : table) {
        auto* control = requireControl<QWidget>(client, row.control);
        control->setAccessibleName(toQString(row.name));
        if (!row.label.empty()) {
            requireControl<QLabel>(client, row.label)->setBuddy(control);
        }
    }
}

}  // namespace tarvelle::widgets
