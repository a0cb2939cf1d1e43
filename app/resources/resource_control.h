#pragma once

// What the captioning routine needs of a window and its controls, so that its
// rules hold and can be tested apart from any toolkit.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelle::resources {

class ResourceControl {
  public:
    virtual ~ResourceControl() = default;

    // "Label", "Menu", "CommandButton", ...
    virtual std::string kindName() const = 0;
    // Reading or writing a property the control does not have fails: nullopt
    // or false.
    virtual std::optional<std::string> property(std::string_view name) const = 0;
    virtual bool setProperty(std::string_view name, const std::string& value) = 0;
    // "Tabs", "Buttons" or "ColumnHeaders"; nullopt when the control has none.
    virtual std::optional<std::vector<std::unique_ptr<ResourceControl>>> collection(
        std::string_view name) = 0;
};

class ResourceWindow {
  public:
    virtual ~ResourceWindow() = default;

    virtual std::optional<std::string> tag() const = 0;
    virtual void setCaption(const std::string& caption) = 0;
    // Every control of the window, menu items included.
    virtual std::vector<std::unique_ptr<ResourceControl>> controls() = 0;
};

}  // namespace tarvelle::resources
