#pragma once

#include <functional>

class Dialogs;

// Runs a handler's work; a ConversionError or FileError it throws is shown in an error message box
// and ends the work there, keeping whatever it had already put on screen.
void RunGuarded(Dialogs& dialogs, const std::function<void()>& work);

// The same as a slot: connect(button, &QPushButton::clicked, this, Guarded(dialogs, [this] { ... })).
inline auto Guarded(Dialogs& dialogs, std::function<void()> work) {
    return [&dialogs, work = std::move(work)] { RunGuarded(dialogs, work); };
}
