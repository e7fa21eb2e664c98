#pragma once

#include <QString>
#include <QStringList>

// What a window may ask of the application's shell. Windows never reach each other: they ask
// here, and the shell does it as the main window would.
class WindowLinks {
public:
    virtual ~WindowLinks() = default;

    // Shows a help text file in the help viewer, or says that it is missing.
    virtual void show_memo(const QString& fileName) = 0;
    // Prints lines through the report form, with preview.
    virtual void show_memo_rpt(const QStringList& lines) = 0;
    // The report form's line size from now on (points).
    virtual void setReportFontSize(int points) = 0;
    // The main window's full load. False when the read stopped at a line it reported as bad.
    virtual bool reloadHistory() = 0;
    // Rereads the draw file keeping the path rules, the draws newest first in the record viewer.
    virtual void rereadHistory() = 0;
    // Opens the window of that instance name as its opener does (created on first use).
    virtual void open(const QString& windowName) = 0;
};
