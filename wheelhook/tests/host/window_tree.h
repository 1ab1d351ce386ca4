// A window tree written down as data, answering the scroll decision's questions the way the
// platform does: descendants are enumerated depth first, children in the order added.
#pragma once

#include <string>
#include <vector>

#include "wheelhook/logic/scroll_decision.h"

class WindowTree final : public WindowQuery {
public:
    WindowId Add(WindowId parent, const std::string& class_name, uint32_t style) {
        windows_.push_back({static_cast<WindowId>(windows_.size() + 1), parent, class_name, style});
        return windows_.back().id;
    }

    void ClassName(WindowId window, char* buffer, size_t size) override {
        const Node* node = Find(window);
        const std::string name = node ? node->class_name : "";
        const size_t length = name.size() < size - 1 ? name.size() : size - 1;
        name.copy(buffer, length);
        buffer[length] = '\0';
    }
    uint32_t Style(WindowId window) override {
        const Node* node = Find(window);
        return node ? node->style : 0;
    }
    WindowId Parent(WindowId window) override {
        const Node* node = Find(window);
        return node ? node->parent : 0;
    }
    bool IsWindow(WindowId window) override { return Find(window) != nullptr; }
    WindowId FindScrollBar(WindowId window, bool vertical) override {
        if (window == 0) return 0;
        for (const Node& child : windows_) {
            if (child.parent != window) continue;
            if (IsScrollBarControl(child.class_name.c_str(), child.style, vertical)) return child.id;
            if (WindowId below = FindScrollBar(child.id, vertical)) return below;
        }
        return 0;
    }

private:
    struct Node {
        WindowId id;
        WindowId parent;
        std::string class_name;
        uint32_t style;
    };
    const Node* Find(WindowId window) const {
        for (const Node& node : windows_)
            if (node.id == window) return &node;
        return nullptr;
    }
    std::vector<Node> windows_;
};
