#pragma once

class QCoreApplication;

// Loads Qt's own Traditional-Chinese texts (standard buttons, file and print dialogs), as a Chinese
// desktop shows them. False when the translation files are not installed.
bool InstallQtTranslations(QCoreApplication& app);
