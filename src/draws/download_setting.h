#pragma once

// Whether the record viewer offers the download: written by the server-address window.
struct DownloadSetting {
    bool DownloadEnabled = true;
};
