#pragma once

#include <memory>

#include "app/app_windows.h"
#include "platform/services.h"

struct SharedTables;

// The program: the shared draw state, the platform services and every window, created in the
// start-up order. Tests build it with fake services.
class Application {
public:
    explicit Application(Services services);
    ~Application();

    // Shows the main window maximized and runs its first load.
    void start();

    SharedTables& tables() { return *tables_; }
    Services& services() { return services_; }
    AppWindows& windows() { return windows_; }

private:
    void createWindows();

    Services services_;
    std::unique_ptr<SharedTables> tables_;
    AppWindows windows_;
};
