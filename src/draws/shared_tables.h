#pragma once

#include "draws/download_setting.h"
#include "draws/drag_handover.h"
#include "draws/draw_tables.h"
#include "draws/path_rules.h"
#include "draws/work_area.h"

// Everything the windows share, owned by the application. A window is handed only the parts it
// reads (const) or writes.
struct SharedTables {
    DrawTables draws;
    WorkArea work;
    PathRules rules;
    DragHandOver drag;
    DownloadSetting download;
    TextTable records; // the record viewer's grid as shown; the date-range print reads it
};
