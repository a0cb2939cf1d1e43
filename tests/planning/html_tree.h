#pragma once

// A page or chart as an HTML5 parser builds it (Gumbo follows the same
// parsing rules as browsers, inline SVG included), with small helpers to find
// elements, attributes and text.

#include <gumbo.h>

#include <functional>
#include <string>
#include <vector>

namespace tarvelle::planning::testing {

class HtmlTree {
  public:
    explicit HtmlTree(std::string html)
        : html_(std::move(html)),
          output_(gumbo_parse_with_options(&kGumboDefaultOptions, html_.data(), html_.size())) {}
    ~HtmlTree() { gumbo_destroy_output(&kGumboDefaultOptions, output_); }
    HtmlTree(const HtmlTree&) = delete;
    HtmlTree& operator=(const HtmlTree&) = delete;

    const GumboNode* root() const { return output_->root; }
    unsigned parseErrors() const { return output_->errors.length; }

  private:
    std::string html_;
    GumboOutput* output_;
};

inline std::string tagName(const GumboNode* node) {
    if (node->v.element.tag != GUMBO_TAG_UNKNOWN) {
        return gumbo_normalized_tagname(node->v.element.tag);
    }
    GumboStringPiece original = node->v.element.original_tag;
    gumbo_tag_from_original_text(&original);
    return std::string(original.data, original.length);
}

inline std::string attributeOf(const GumboNode* node, const char* name) {
    const GumboAttribute* attribute = gumbo_get_attribute(&node->v.element.attributes, name);
    return attribute ? attribute->value : "";
}

inline bool hasClass(const GumboNode* node, const std::string& name) {
    const std::string classes = " " + attributeOf(node, "class") + " ";
    return classes.find(" " + name + " ") != std::string::npos;
}

inline void forEachElement(const GumboNode* node,
                           const std::function<void(const GumboNode*)>& visit) {
    if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_TEMPLATE) {
        return;
    }
    visit(node);
    const GumboVector& children = node->v.element.children;
    for (unsigned i = 0; i < children.length; ++i) {
        forEachElement(static_cast<const GumboNode*>(children.data[i]), visit);
    }
}

inline std::vector<const GumboNode*> elementsWhere(
    const GumboNode* root, const std::function<bool(const GumboNode*)>& wanted) {
    std::vector<const GumboNode*> found;
    forEachElement(root, [&](const GumboNode* node) {
        if (wanted(node)) {
            found.push_back(node);
        }
    });
    return found;
}

inline std::vector<const GumboNode*> elementsNamed(const GumboNode* root, const std::string& tag) {
    return elementsWhere(root, [&](const GumboNode* node) { return tagName(node) == tag; });
}

inline std::string textOf(const GumboNode* node) {
    if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_WHITESPACE ||
        node->type == GUMBO_NODE_CDATA) {
        return node->v.text.text;
    }
    if (node->type != GUMBO_NODE_ELEMENT) {
        return "";
    }
    std::string text;
    const GumboVector& children = node->v.element.children;
    for (unsigned i = 0; i < children.length; ++i) {
        text += textOf(static_cast<const GumboNode*>(children.data[i]));
    }
    return text;
}

}  // namespace tarvelle::planning::testing
