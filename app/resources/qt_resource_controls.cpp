#include "app/resources/qt_resource_controls.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QWidget>

namespace tarvelle::resources {

namespace {

std::string toStd(const QString& text) {
    return text.toStdString();
}

class QtResourceControl : public ResourceControl {
  public:
    explicit QtResourceControl(QObject& object) : object_(object) {}

    std::string kindName() const override {
        return toStd(object_.property(kKindProperty).toString());
    }

    std::optional<std::string> property(std::string_view name) const override {
        if (name == "Tag") {
            return toStd(object_.property(kTagProperty).toString());
        }
        if (name == "Caption") {
            return caption();
        }
        if (name == "ToolTipText" && hasToolTip()) {
            return toStd(qobject_cast<QWidget*>(&object_)->toolTip());
        }
        if (auto* edit = qobject_cast<QLineEdit*>(&object_); edit && name == "Text") {
            return toStd(edit->text());
        }
        return std::nullopt;
    }

    bool setProperty(std::string_view name, const std::string& value) override {
        const QString text = QString::fromStdString(value);
        if (name == "Tag") {
            object_.setProperty(kTagProperty, text);
            return true;
        }
        if (name == "Caption") {
            return setCaption(text);
        }
        if (name == "ToolTipText" && hasToolTip()) {
            qobject_cast<QWidget*>(&object_)->setToolTip(text);
            return true;
        }
        if (auto* edit = qobject_cast<QLineEdit*>(&object_); edit && name == "Text") {
            edit->setText(text);
            return true;
        }
        return false;
    }

    // No control of these windows holds tabs, buttons or column headers.
    std::optional<std::vector<std::unique_ptr<ResourceControl>>> collection(
        std::string_view) override {
        return std::nullopt;
    }

  private:
    // Menus and lines have no tooltip; every other widget does.
    bool hasToolTip() const {
        const QString kind = object_.property(kKindProperty).toString();
        return object_.isWidgetType() && kind != "Menu" && kind != "Line";
    }

    std::optional<std::string> caption() const {
        if (auto* menu = qobject_cast<QMenu*>(&object_)) {
            return toStd(menu->title());
        }
        if (auto* action = qobject_cast<QAction*>(&object_)) {
            return toStd(action->text());
        }
        if (auto* label = qobject_cast<QLabel*>(&object_); label && label->pixmap().isNull()) {
            return toStd(label->text());
        }
        if (auto* button = qobject_cast<QAbstractButton*>(&object_)) {
            return toStd(button->text());
        }
        if (auto* frame = qobject_cast<QGroupBox*>(&object_)) {
            return toStd(frame->title());
        }
        return std::nullopt;
    }

    bool setCaption(const QString& text) {
        if (auto* menu = qobject_cast<QMenu*>(&object_)) {
            menu->setTitle(text);
        } else if (auto* action = qobject_cast<QAction*>(&object_)) {
            action->setText(text);
        } else if (auto* label = qobject_cast<QLabel*>(&object_);
                   label && label->pixmap().isNull()) {
            label->setText(text);
        } else if (auto* button = qobject_cast<QAbstractButton*>(&object_)) {
            button->setText(text);
        } else if (auto* frame = qobject_cast<QGroupBox*>(&object_)) {
            frame->setTitle(text);
        } else {
            return false;
        }
        return true;
    }

    QObject& object_;
};

class QtResourceWindow : public ResourceWindow {
  public:
    explicit QtResourceWindow(QWidget& window) : window_(window) {}

    std::optional<std::string> tag() const override {
        return toStd(window_.property(kTagProperty).toString());
    }

    void setCaption(const std::string& caption) override {
        window_.setWindowTitle(QString::fromStdString(caption));
    }

    std::vector<std::unique_ptr<ResourceControl>> controls() override {
        std::vector<std::unique_ptr<ResourceControl>> result;
        for (QObject* object : window_.findChildren<QObject*>()) {
            if (object->property(kKindProperty).isValid()) {
                result.push_back(std::make_unique<QtResourceControl>(*object));
            }
        }
        return result;
    }

  private:
    QWidget& window_;
};

}  // namespace

void markControl(QObject& control, const QString& kindName, const QString& tag) {
    control.setProperty(kKindProperty, kindName);
    control.setProperty(kTagProperty, tag);
}

}  // namespace tarvelle::resources

namespace Module1 {

using namespace tarvelle::resources;

void ApplyResourceCaptions(QWidget& window, const StringLookup& lookup) {
    QtResourceWindow adapter(window);
    ApplyResourceCaptions(adapter, lookup);
}

}  // namespace Module1
