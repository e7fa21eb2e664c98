#pragma once

#include <QDialog>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "app/app_windows.h"
#include "app/application.h"
#include "app/main_window.h"
#include "common/text_file.h"
#include "drawhistory/record_viewer_window.h"
#include "draws/shared_tables.h"
#include "support/draw_lines.h"
#include "support/fake_platform.h"
#include "support/ui_driver.h"
#include "support/work_dir.h"

// The whole program on fakes in a fresh working directory, for the windows around the history.
class AppTest : public ::testing::Test {
protected:
    WorkDir dir;
    FakePlatform platform;
    std::unique_ptr<Application> app;
    ServerUrls urls; // what the program is started with

    void startWith(const std::vector<std::string>& tw539) {
        dir.writeLines(QStringLiteral("TW539.txt"), tw539);
        app = std::make_unique<Application>(platform.services(), urls);
        app->start();
    }
    // Starts the program over a copy of the shipped history.
    void startOnShippedHistory() {
        dir.copyData(QStringLiteral("TW539.txt"));
        app = std::make_unique<Application>(platform.services());
        app->start();
    }
    TForm_rk_main& main() { return *app->windows().get<TForm_rk_main>(); }
    SharedTables& state() { return app->tables(); }
    AppWindows& windows() { return app->windows(); }
    TForm_rk_lotto_record& viewer() { return *app->windows().get<TForm_rk_lotto_record>(); }

    // Opens the record viewer by F2's action and runs `action` while it is open.
    void inViewer(const std::function<void(TForm_rk_lotto_record&)>& action) {
        platform.shower.whenModal(QStringLiteral("Form_rk_lotto_record"),
                                  [action](QDialog& d) { action(static_cast<TForm_rk_lotto_record&>(d)); });
        Click(main(), "lt_record");
    }

    // Runs `action` when the window named `objectName` is next shown modally.
    template <class Window>
    void whenShown(const QString& objectName, const std::function<void(Window&)>& action) {
        platform.shower.whenModal(objectName, [action](QDialog& d) { action(static_cast<Window&>(d)); });
    }

    std::string drawFileBytes() { return ReadFileBytes(dir.file(QStringLiteral("TW539.txt")).toStdString()); }

    // The cells of a row of the viewer's grid joined by blanks.
    QString gridRow(int row) { return GridRow(viewer(), "sgl", row).join(QLatin1Char(' ')); }
};
