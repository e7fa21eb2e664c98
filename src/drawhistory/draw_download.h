#pragma once

#include <string>
#include <vector>

#include "draws/draw_tables.h"

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
// be a draw line the loader accepts, dated `today` or before, no draw number and no date may come
// twice (the order does not matter: the load sorts), and the body must be whole, which it is when
// the transport checked it against a declared length (`lengthChecked`) or when it ends in a line
// end. Blank lines are left out of the file to store, since the loader would stop at one.
DownloadedDrawFile DrawFileFromDownload(const std::string& body, const Date& today, int maxNo = GameMaxNo,
                                        bool lengthChecked = false);

// The message that tells the user why the body was refused (the old file stays as it is).
std::string DownloadRefusalMessage(const DownloadedDrawFile& checked);

// The message for a download that failed; `status` is the server's HTTP status, 0 when none came.
std::string DownloadFailureMessage(long status);

// The draws a file holds as the loader reads it: its lines up to the first that is not a draw line.
int DrawLineCount(const std::vector<std::string>& fileLines, int maxNo = GameMaxNo);

// The same for the file on disk; 0 when it is missing or cannot be read (there is nothing to lose).
int DrawFileDrawCount(const std::string& path, int maxNo = GameMaxNo);

// Asked before a downloaded file with fewer draws than the current one replaces it.
std::string FewerDrawsQuestion(int downloadedDraws, int currentDraws);
