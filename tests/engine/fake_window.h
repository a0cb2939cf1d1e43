#pragma once

// A window for the calculation run that holds its controls' state in maps and
// records every operation, in order, as a line of text.

#include <map>
#include <string>
#include <vector>

#include "engine/window_operations.h"

namespace tarvelle {

class FakeWindow : public WindowOperations {
  public:
    std::map<TextBox, std::string> texts;
    std::map<DropDownList, std::int16_t> indices;
    std::map<OptionButton, bool> chosen;
    mutable std::vector<std::string> calls;
    std::vector<std::string> messages;

    std::string text(TextBox box) const override {
        calls.push_back("text " + name(box));
        return texts.count(box) ? texts.at(box) : std::string();
    }
    void setText(TextBox box, const std::string& text) override {
        calls.push_back("setText " + name(box) + " " + text);
        texts[box] = text;
    }
    void setFocus(TextBox box) override { calls.push_back("setFocus " + name(box)); }
    std::int16_t selectedIndex(DropDownList list) const override {
        calls.push_back("selectedIndex " + std::string(controlName(list)));
        return indices.count(list) ? indices.at(list) : std::int16_t{-1};
    }
    bool isChosen(OptionButton option) const override {
        calls.push_back("isChosen " + std::string(controlName(option)));
        return chosen.count(option) ? chosen.at(option) : false;
    }
    void showMessage(const std::string& text) override {
        calls.push_back("showMessage " + text);
        messages.push_back(text);
    }

  private:
    static std::string name(TextBox box) { return std::string(controlName(box)); }
};

}  // namespace tarvelle
