#pragma once

#include <optional>
#include <vector>

#include "platform/window_links.h"

// The program's window table: in window_table.cpp one row per window says how it is made (at
// start-up, in the rows' order, or on first use) and how it is shown; the menu items below say
// where the main window's menus open it. A new window takes its own files and its row, under its
// WindowId; AppWindows keeps it and finds it by its type.

class AppWindows;
struct ServerUrls;
struct Services;
struct SharedTables;

// How a window is shown: modally (blocking until closed) or modeless, and on which page where it
// has pages. Never: made at start-up for its work in the background, or shown by other means.
enum class Show { Modal, Modeless, Never };
inline constexpr int PageAsLeft = -1; // whichever page was in front when it closed
struct Showing {
    Show how = Show::Modal;
    int page = PageAsLeft;
};

// What every window's making reads: the shared tables, the services, the windows made before it
// (the main window first: it is every window's links) and the server addresses.
struct WindowContext {
    AppWindows& windows;
    SharedTables& tables;
    Services& services;
    const ServerUrls& urls;
};

// One item of the main window's menus: the window it opens, and how where that differs from the
// window's own showing.
struct MenuItem {
    const char* menu; // the menu's objectName
    const char* name; // the item's objectName
    const char* caption;
    WindowId window;
    std::optional<Showing> showing = {};
    int shortcut = 0; // a key that opens it from every window
};

const std::vector<MenuItem>& MenuItems();

// Makes and shows the windows by their rows.
class WindowOpener {
public:
    explicit WindowOpener(WindowContext context) : context_(context) {}

    // Makes every window made at start-up, in the table's order.
    void makeStartUpWindows();
    // Shows the window as its row says, or as `showing` says; made on first use.
    void open(WindowId window, std::optional<Showing> showing = {});

private:
    WindowContext context_;
};
