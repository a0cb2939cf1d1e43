#pragma once

// Controls for the captioning routine held as plain property maps.

#include <map>

#include "app/resources/resource_control.h"

namespace tarvelle::resources {

class FakeControl : public ResourceControl {
  public:
    FakeControl(std::string kind, std::map<std::string, std::string, std::less<>> properties)
        : kind_(std::move(kind)), properties_(std::move(properties)) {}

    std::string kindName() const override { return kind_; }

    std::optional<std::string> property(std::string_view name) const override {
        const auto it = properties_.find(name);
        return it == properties_.end() ? std::nullopt : std::optional(it->second);
    }

    bool setProperty(std::string_view name, const std::string& value) override {
        const auto it = properties_.find(name);
        if (it == properties_.end()) {
            return false;
        }
        it->second = value;
        return true;
    }

    std::optional<std::vector<std::unique_ptr<ResourceControl>>> collection(
        std::string_view name) override {
        const auto it = collections_.find(name);
        if (it == collections_.end()) {
            return std::nullopt;
        }
        std::vector<std::unique_ptr<ResourceControl>> items;
        for (FakeControl* item : it->second) {
            items.push_back(std::make_unique<Proxy>(*item));
        }
        return items;
    }

    void addToCollection(const std::string& name, FakeControl& item) {
        collections_[name].push_back(&item);
    }

    std::string get(std::string_view name) const { return property(name).value_or("<none>"); }

  private:
    // Hands out a control the caller may own without taking the original.
    class Proxy : public ResourceControl {
      public:
        explicit Proxy(FakeControl& target) : target_(target) {}
        std::string kindName() const override { return target_.kindName(); }
        std::optional<std::string> property(std::string_view name) const override {
            return target_.property(name);
        }
        bool setProperty(std::string_view name, const std::string& value) override {
            return target_.setProperty(name, value);
        }
        std::optional<std::vector<std::unique_ptr<ResourceControl>>> collection(
            std::string_view name) override {
            return target_.collection(name);
        }

      private:
        FakeControl& target_;
    };

    std::string kind_;
    std::map<std::string, std::string, std::less<>> properties_;
    std::map<std::string, std::vector<FakeControl*>, std::less<>> collections_;

    friend class FakeWindow;
};

class FakeWindow : public ResourceWindow {
  public:
    std::optional<std::string> windowTag;
    std::string caption = "design caption";
    std::vector<FakeControl*> members;

    std::optional<std::string> tag() const override { return windowTag; }
    void setCaption(const std::string& text) override { caption = text; }
    std::vector<std::unique_ptr<ResourceControl>> controls() override {
        std::vector<std::unique_ptr<ResourceControl>> result;
        for (FakeControl* member : members) {
            result.push_back(std::make_unique<FakeControl::Proxy>(*member));
        }
        return result;
    }
};

}  // namespace tarvelle::resources
