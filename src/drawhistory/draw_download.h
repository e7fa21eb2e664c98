#pragma once

#include <string>
#include <vector>

#include "draws/draw_tables.h"
#include "platform/http_failure.h"

// Where the current draw files are published unless the start-up names another server.
inline constexpr const char* DefaultDataServerUrl = "http://data.qorvel.tw";

// The address of a draw file on the data server: base (any trailing "/" dropped) + "/HISTORYDATA/"
// + file name.
std::string DrawFileUrl(const std::string& baseUrl, const std::string& fileName);

// Why a downloaded body may not replace the draw file.
enum class DownloadProblem {
    None,
    Empty,        // no draw line at all
    Incomplete,   // cut off: no declared length and no line end after the last line
    NotADrawLine, // a line the loader would refuse (an error page, a mixed answer, a cut line)
    RepeatedDraw, // a draw number that an earlier line has already
    RepeatedDate, // a date that an earlier line has already: there is at most one draw a day
    FutureDate,   // a draw dated after today
};

struct DownloadedDrawFile {
    DownloadProblem problem = DownloadProblem::None;
    int badLineNumber = 0;   // 1-based line of the body that was refused
    std::string badLine;     // its text, as the server sent it
    int firstLineNumber = 0; // for a repeat: the earlier line with the same draw number or date
    std::string file;        // the bytes to store, CR LF line ends, when there is no problem
    int drawCount = 0;       // draw lines in `file`

    bool ok() const { return problem == DownloadProblem::None; }
};

// Checks a downloaded body before it may replace the draw file: every line that is not blank must
// be a draw line the loader reads as it is written (the same conversion, trimming, date and number
// rules), with its date written "yyyy/mm/dd" and dated `today` or before, no draw number and no date may come
// twice (the order does not matter: the load sorts), and the body must be whole, which it is when
// the transport checked it against a declared length (`lengthChecked`) or when it ends in a line
// end. Blank lines are left out of the file to store, since the loader would stop at one.
DownloadedDrawFile DrawFileFromDownload(const std::string& body, const Date& today, int maxNo = GameMaxNo,
                                        bool lengthChecked = false);

// The message that tells the user why the body was refused (the old file stays as it is).
std::string DownloadRefusalMessage(const DownloadedDrawFile& checked);

// The message for a download that failed; `status` is the server's last HTTP status, 0 when none came.
std::string DownloadFailureMessage(HttpFailure failure, long status);

// The message for a check of the downloaded body, or a write of the file, that could not be done.
std::string DownloadCheckFailureMessage(const std::string& error);
std::string DownloadWriteFailureMessage(const std::string& error);

// What replacing the current draw file by a checked download would take away from it.
struct DrawsAtRisk {
    int currentDraws = 0;           // draws in the current file, as the loader reads it
    int lostDraws = 0;              // of those, the ones the download lacks or gives other content
    std::string firstLost;          // the first of them in the current file, trimmed
    std::string downloadedSameDate; // the download's draw on that date, empty when it has none
};

// Compares the current file's draws, as the loader reads them, with a download that passed the check
// (so it has at most one draw a day): one pass over each.
DrawsAtRisk CompareWithCurrent(const std::string& currentFile, const DownloadedDrawFile& downloaded,
                               const Date& today, int maxNo = GameMaxNo);

// Asked before a download that drops or changes a draw of the current file replaces it; empty when the
// download only adds draws.
std::string ReplacementQuestion(const DrawsAtRisk& risk, int downloadedDraws);
