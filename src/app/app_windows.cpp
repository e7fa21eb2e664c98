#include "app/app_windows.h"

#include <stdexcept>
#include <string>

AppWindows::~AppWindows() {
    while (!made_.empty())
        made_.pop_back();
}

QObject* AppWindows::find(WindowId id) const {
    for (const auto& [madeId, window] : made_)
        if (madeId == id)
            return window.get();
    return nullptr;
}

void AppWindows::keep(WindowId id, std::unique_ptr<QObject> window) {
    if (find(id))
        throw std::logic_error("window " + std::to_string(static_cast<int>(id)) + " made twice");
    made_.emplace_back(id, std::move(window));
}
