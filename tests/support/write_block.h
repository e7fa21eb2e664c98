#pragma once

#include <QString>
#include <sys/resource.h>

// Makes writes in a folder fail for as long as it lives: the folder turns read-only, and since
// root ignores that, the process may also write no file bigger than a few bytes.
class WriteBlock {
public:
    explicit WriteBlock(const QString& folder);
    ~WriteBlock();
    WriteBlock(const WriteBlock&) = delete;
    WriteBlock& operator=(const WriteBlock&) = delete;

private:
    QString folder_;
    rlimit previous_{};
    bool limited_ = false;
};
