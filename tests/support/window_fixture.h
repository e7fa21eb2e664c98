#pragma once

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "draws/draw_loader.h"
#include "draws/shared_tables.h"
#include "platform/services.h"
#include "support/fake_links.h"
#include "support/fake_platform.h"
#include "support/ui_driver.h"
#include "support/work_dir.h"

// One window tested alone: the shared tables filled by the program's own load from draw lines the
// test gives, the fake platform (dialogs, clock, clipboard, shower, preview) and fake links to the
// shell, in a fresh working directory. The test builds its window from these:
//     TForm_x window(tables.draws, services, links);
// A reload asked through the links loads the draw file of the working directory again.
class WindowTest : public ::testing::Test {
protected:
    WindowTest();

    // Writes the lines as the draw file (Big5, CR LF) and loads it as the main window does: read,
    // filtered by the clock's today, split, path rules reset.
    DrawFileRead loadDraws(const std::vector<std::string>& lines);
    // Loads the draw file that is in the working directory now.
    DrawFileRead loadDrawFile();

    WorkDir dir;
    FakePlatform platform;
    Services services;
    SharedTables tables;
    FakeLinks links;
};
