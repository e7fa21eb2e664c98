#include "support/write_block.h"

#include <QFile>
#include <csignal>
#include <unistd.h>

WriteBlock::WriteBlock(const QString& folder) : folder_(folder) {
    QFile::setPermissions(folder_, QFile::ReadOwner | QFile::ExeOwner);
    if (geteuid() == 0) {
        std::signal(SIGXFSZ, SIG_IGN); // a too-big write then fails with EFBIG instead of ending us
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit small = previous_;
        small.rlim_cur = 4;
        limited_ = setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
}

WriteBlock::~WriteBlock() {
    if (limited_)
        setrlimit(RLIMIT_FSIZE, &previous_);
    QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
