#pragma once

class QFileDialog;

// Qt's file list writes sizes and modification times in the machine's locale ("419 bytes",
// "7 Dec 2026 16:43:04"). This has the dialog write them in the program's own locale, as the rest of
// the dialog reads: "419 位元組", "197.36 kB", "2026/12/7 下午4:43". The dialog becomes Qt's own
// widget dialog, whose texts the program's translations reach; a desktop's native one would not
// follow them.
void ShowFileListInProgramLocale(QFileDialog& dialog);
