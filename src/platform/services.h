#pragma once

class Clipboard;
class Clock;
class Dialogs;
class ReportPreview;
class WindowShower;

// The seams to the outside world that every window is handed.
struct Services {
    Dialogs& dialogs;
    Clock& clock;
    Clipboard& clipboard;
    WindowShower& shower;
    ReportPreview& reportPreview;
};
