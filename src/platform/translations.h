#pragma once

class QCoreApplication;

// Loads Qt's own Traditional-Chinese texts (standard buttons, file and print dialogs), as a Chinese
// desktop shows them. False when the translation files are not installed.
bool InstallQtTranslations(QCoreApplication& app);

// The program reads as on a Taiwanese desktop whatever the machine's locale: Qt's own texts, its
// calendars' month and day names and its number formats. Call before any window is made.
void UseTaiwanChinese(QCoreApplication& app);
