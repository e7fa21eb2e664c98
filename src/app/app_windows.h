#pragma once

#include <QObject>
#include <memory>
#include <typeinfo>
#include <utility>
#include <vector>

#include "platform/window_links.h"

// The id of the window table's row that makes windows of this type.
WindowId WindowIdOf(const std::type_info& type);

// Every window instance of the program, made by its row of the window table: at start-up in the
// table's order, or on first use by the operation that opens it. Top-level windows have no Qt
// parent: this owns them, and ends them in the reverse of their making, so the main window, which
// the others ask through their links, goes last.
class AppWindows {
public:
    AppWindows() = default;
    AppWindows(const AppWindows&) = delete;
    AppWindows& operator=(const AppWindows&) = delete;
    ~AppWindows();

    // The window of that type as its row made it, or null while it is not made yet.
    template <class Window> Window* get() { return static_cast<Window*>(find(WindowIdOf(typeid(Window)))); }

    // For the window table, which makes each window as the type its row names.
    QObject* find(WindowId id) const;
    void keep(WindowId id, std::unique_ptr<QObject> window);

private:
    std::vector<std::pair<WindowId, std::unique_ptr<QObject>>> made_; // in the order of making
};
