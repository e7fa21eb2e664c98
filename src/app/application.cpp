#include "app/application.h"

#include <cstdlib>

#include "app/main_window.h"
#include "app/rewritten_files.h"
#include "app/window_table.h"
#include "common/text_file.h"
#include "drawhistory/server_address.h"
#include "draws/shared_tables.h"
#include "platform/error_handler.h"
#include "platform/focused_enter.h"
#include "platform/focused_wheel.h"
#include "platform/minimum_size_keeper.h"
#include "platform/tab_order.h"

ServerUrls ServerUrlsFromEnvironment() {
    ServerUrls urls;
    if (const char* data = std::getenv("QORVEL_DATA_URL"); data && *data)
        urls.drawData = data;
    if (const char* ftp = std::getenv("QORVEL_FTP_URL"); ftp && *ftp)
        urls.chartUpload = ftp;
    return urls;
}

Application::Application(Services services, ServerUrls urls)
    : services_(services), urls_(std::move(urls)), tables_(std::make_unique<SharedTables>()),
      tabOrder_(std::make_unique<ReadingOrderKeeper>()), enter_(std::make_unique<FocusedEnter>()),
      wheel_(std::make_unique<FocusedWheel>()), minimumSize_(std::make_unique<MinimumSizeKeeper>()) {
    createWindows();
}

Application::~Application() = default;

void Application::createWindows() {
    WindowOpener({windows_, *tables_, services_, urls_}).makeStartUpWindows();
}

void Application::start() {
    // A save cut short by a kill leaves its temporary file beside the file it was replacing.
    RemoveStaleTempFiles(RewrittenFiles());
    TForm_rk_main& main = *windows_.get<TForm_rk_main>();
    main.showMaximized();
    RunGuarded(services_.dialogs, [&main] { main.reloadHistory(); });
}
