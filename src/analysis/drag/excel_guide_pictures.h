#pragma once

#include <QPixmap>

// The pictures of the spreadsheet guide, drawn here: step 1..7 of importing the saved drag grid
// (comma-separated text) into a spreadsheet program.
QPixmap ExcelGuidePicture(int step);
