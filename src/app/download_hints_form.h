#pragma once

class QDialog;

// The download-hints window has a caption and nothing in it yet.
struct DownloadHintsForm {
    void setupUi(QDialog& window);
};
