#include "common/text_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iconv.h>
#include <optional>
#include <random>
#include <signal.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "common/errors.h"

namespace {

// One converter for a whole run of conversions: opening one costs more than converting a line.
class Converter {
public:
    Converter(const char* to, const char* from, std::string replacement)
        : cd_(iconv_open(to, from)), fromUtf8_(std::strcmp(from, "UTF-8") == 0),
          replacement_(std::move(replacement)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw FileError(std::string("no converter from ") + from + " to " + to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // ASCII is the same in both encodings and most of a draw file: it is copied, and only the rest of
    // its line goes through the converter (no character of either encoding holds a CR or LF byte).
    std::string operator()(std::string_view in) {
        std::string out;
        out.reserve(in.size() + in.size() / 2 + 8);
        std::size_t at = 0;
        while (at < in.size()) {
            const std::size_t other = firstNonAscii(in, at);
            out.append(in.substr(at, other - at));
            if (other == in.size())
                break;
            at = std::min(in.find_first_of("\r\n", other), in.size());
            convert(in.substr(other, at - other), out);
        }
        return out;
    }

private:
    static std::size_t firstNonAscii(std::string_view in, std::size_t at) {
        constexpr std::uint64_t HighBits = 0x8080808080808080u;
        for (std::uint64_t word; at + 8 <= in.size(); at += 8) {
            std::memcpy(&word, in.data() + at, 8);
            if (word & HighBits)
                break;
        }
        while (at < in.size() && (static_cast<unsigned char>(in[at]) & 0x80) == 0)
            ++at;
        return at;
    }

    void convert(std::string_view in, std::string& out) {
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char buffer[4096];
        while (srcLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            const std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            if (rc == static_cast<std::size_t>(-1)) {
                if (errno == E2BIG)
                    continue;
                // An invalid or incomplete sequence: replace one byte (reading) or one UTF-8 character
                // (writing) and go on.
                out += replacement_;
                std::size_t skip = 1;
                if (fromUtf8_)
                    while (skip < srcLeft && (static_cast<unsigned char>(src[skip]) & 0xC0) == 0x80)
                        ++skip;
                src += skip;
                srcLeft -= skip;
            }
        }
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }

    iconv_t cd_;
    bool fromUtf8_;
    std::string replacement_;
};

// Finds the line ends of one block from left to right. The next CR and the next LF are each
// remembered until passed, so a text whose lines all end in one kind is not searched to its end
// for the other kind at every line.
class NextLineEnd {
public:
    explicit NextLineEnd(const char* end) : end_(end) {}
    // The first CR or LF at or after `at`, else the end of the block.
    const char* from(const char* at) {
        if (cr_ < at)
            cr_ = find(at, '\r');
        if (lf_ < at)
            lf_ = find(at, '\n');
        return std::min(cr_, lf_);
    }

private:
    const char* find(const char* at, char c) const {
        const void* found = std::memchr(at, c, static_cast<std::size_t>(end_ - at));
        return found ? static_cast<const char*>(found) : end_;
    }

    const char* end_;
    const char* cr_ = nullptr;
    const char* lf_ = nullptr;
};

} // namespace

std::string Big5ToUtf8(const std::string& big5) {
    return Converter("UTF-8", "CP950", "\xEF\xBF\xBD")(big5);
}

std::string Utf8ToBig5(const std::string& utf8) {
    return Converter("CP950", "UTF-8", "?")(utf8);
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    ForEachLine(text, [&lines](std::string_view line) {
        lines.emplace_back(line);
        return true;
    });
    return lines;
}

struct Big5Decoder::Converted {
    Converter toUtf8{"UTF-8", "CP950", "\xEF\xBF\xBD"};
    std::string text;
};

Big5Decoder::Big5Decoder() : converted_(std::make_unique<Converted>()) {}

Big5Decoder::~Big5Decoder() = default;

std::string_view Big5Decoder::operator()(std::string_view big5) {
    unsigned char any = 0; // every byte or'ed: a loop without exits, which the compiler widens
    for (char c : big5)
        any |= static_cast<unsigned char>(c);
    if (any < 0x80)
        return big5;
    converted_->text = converted_->toUtf8(big5);
    return converted_->text;
}

bool LineSplitter::feed(std::string_view block) {
    if (stopped_)
        return false;
    const char* p = block.data();
    const char* const end = p + block.size();
    if (p == end)
        return true;
    if (afterCr_ && *p == '\n')
        ++p;
    afterCr_ = false;
    NextLineEnd lineEnds(end);
    while (p < end) {
        const char* lineEnd = lineEnds.from(p);
        if (lineEnd == end) {
            partial_.append(p, end);
            break;
        }
        bool more;
        if (partial_.empty()) {
            more = take_(std::string_view(p, static_cast<std::size_t>(lineEnd - p)));
        } else {
            partial_.append(p, lineEnd);
            more = take_(partial_);
            partial_.clear();
        }
        if (!more) {
            stopped_ = true;
            return false;
        }
        if (*lineEnd == '\r' && lineEnd + 1 == end)
            afterCr_ = true;
        p = lineEnd + (*lineEnd == '\r' && lineEnd + 1 < end && lineEnd[1] == '\n' ? 2 : 1);
    }
    return true;
}

void LineSplitter::finish() {
    if (!stopped_ && !partial_.empty())
        take_(partial_);
    partial_.clear();
    stopped_ = true;
}

void ForEachLine(std::string_view text, const LineSplitter::Take& take) {
    LineSplitter lines(take);
    lines.feed(text);
    lines.finish();
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileError("無法開啟檔案 " + path);
    // Read straight into a string of the file's size, then whatever the file grew by since.
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    std::string bytes(ec ? 0 : static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in && in.peek() != std::ifstream::traits_type::eof()) {
        std::ostringstream rest;
        rest << in.rdbuf();
        bytes += rest.str();
    }
    if (in.bad())
        throw FileError("無法讀取檔案 " + path);
    return bytes;
}

std::string ReadFileBytes(const std::string& path, std::size_t maxBytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileError("無法開啟檔案 " + path);
    std::string bytes(maxBytes, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(maxBytes));
    if (in.bad())
        throw FileError("無法讀取檔案 " + path);
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

std::vector<std::string> ReadTextLines(const std::string& path) {
    return SplitLines(Big5ToUtf8(ReadFileBytes(path)));
}

void ReadFileLinesUntil(const std::string& path, const LineSplitter::Take& take) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileError("無法開啟檔案 " + path);
    LineSplitter lines(take);
    std::vector<char> block(TextReadBlockBytes);
    for (;;) {
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        if (in.bad())
            throw FileError("無法讀取檔案 " + path);
        if (in.gcount() == 0)
            break;
        if (!lines.feed(std::string_view(block.data(), static_cast<std::size_t>(in.gcount()))))
            return;
    }
    lines.finish();
}

namespace {

namespace fs = std::filesystem;

// Why a write failed, in words the user can act on: the error number of the call that failed.
std::string WriteFailureCause(int error) {
    switch (error) {
    case ENOSPC:
        return "磁碟已滿";
    case EDQUOT:
        return "已超過磁碟配額";
    case EROFS:
        return "磁碟是唯讀的";
    case EACCES:
    case EPERM:
        return "資料夾不允許寫入";
    case EFBIG:
        return "檔案超過系統允許的大小";
    case ENOENT:
    case ENOTDIR:
        return "資料夾不存在";
    case EISDIR:
        return "同名的資料夾擋住了檔案";
    case EIO:
        return "磁碟讀寫錯誤";
    default:
        return "系統錯誤 " + std::to_string(error) + " (" + std::strerror(error) + ")";
    }
}

FileError WriteFailure(const std::string& path, const std::string& cause) {
    return FileError("無法寫入檔案 " + path + ":" + cause);
}

// Rewrites go through links to the file they point at, as an editor saving the file would.
fs::path LinkTarget(const std::string& path) {
    fs::path p(path);
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec)))
            return p;
        const fs::path to = fs::read_symlink(p, ec);
        if (ec)
            throw WriteFailure(path, WriteFailureCause(ec.value()));
        p = to.is_absolute() ? to : p.parent_path() / to;
    }
    throw WriteFailure(path, "檔案的連結繞成一圈");
}

// ".~<name>.<process id>-<random>.tmp": the process id tells a later start whether the writer is gone.
constexpr std::string_view TempPrefix = ".~";
constexpr std::string_view TempSuffix = ".tmp";

fs::path TempPathBeside(const fs::path& target) {
    thread_local std::mt19937 random{std::random_device{}()};
    return target.parent_path() /
           (std::string(TempPrefix) + target.filename().string() + "." + std::to_string(::getpid()) + "-" +
            std::to_string(random() % 1000000) + std::string(TempSuffix));
}

// What the name of one of our temporary files tells: the file it was replacing and the process that
// wrote it; nothing for any other name. Names from before the random part was added hold one
// number, which reads the same way.
struct TempFileName {
    std::string replacing;
    long writer = 0;
};

std::optional<TempFileName> ParseTempFileName(const std::string& name) {
    if (!name.starts_with(TempPrefix) || !name.ends_with(TempSuffix))
        return std::nullopt;
    const std::string middle =
        name.substr(TempPrefix.size(), name.size() - TempPrefix.size() - TempSuffix.size());
    const auto dot = middle.rfind('.');
    if (dot == std::string::npos || dot == 0)
        return std::nullopt;
    const std::string tag = middle.substr(dot + 1);
    const auto dash = tag.find('-');
    const std::string pid = tag.substr(0, dash);
    const std::string rest = dash == std::string::npos ? std::string("0") : tag.substr(dash + 1);
    const auto digits = [](const std::string& s) {
        return !s.empty() && s.size() <= 9 && s.find_first_not_of("0123456789") == std::string::npos;
    };
    if (!digits(pid) || !digits(rest))
        return std::nullopt;
    return TempFileName{middle.substr(0, dot), std::stol(pid)};
}

bool ProcessIsGone(long pid) {
    return pid <= 0 || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH);
}

void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    const fs::path target = LinkTarget(path);
    const auto fail = [&](const fs::path& temp, const std::string& cause) {
        if (!temp.empty()) {
            std::error_code ignored;
            fs::remove(temp, ignored);
        }
        throw WriteFailure(path, cause);
    };
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    // A file or folder marked read-only stays as it is, even for a user (root) whom the system would
    // let write it.
    if (replacing && !S_ISREG(old.st_mode))
        fail({}, S_ISDIR(old.st_mode) ? WriteFailureCause(EISDIR) : "它不是一般的檔案");
    if (replacing && (old.st_mode & 0222) == 0)
        fail({}, "檔案設為唯讀");
    if (replacing && ::access(target.c_str(), W_OK) != 0)
        fail({}, "檔案不允許寫入");
    const fs::path folder = target.parent_path();
    struct stat folderStatus {};
    if (::stat(folder.empty() ? "." : folder.c_str(), &folderStatus) == 0 &&
        (folderStatus.st_mode & 0222) == 0)
        fail({}, WriteFailureCause(EACCES));

    fs::path temp;
    int fd = -1;
    int openError = 0;
    for (int attempt = 0; attempt < 10 && fd < 0; ++attempt) {
        temp = TempPathBeside(target);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        openError = errno;
        if (fd < 0 && openError != EEXIST)
            break;
    }
    if (fd < 0)
        fail({}, WriteFailureCause(openError));
    int error = 0;
    const auto check = [&error](bool ok) {
        if (!ok && error == 0)
            error = errno;
    };
    if (replacing) {
        // The new file keeps what the old one was: its owner and group where we may (root may;
        // others may keep a group they are in), else it is ours as any new file would be; then
        // its permissions, which a change of owner may clear.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0)
            (void)!::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        check(::fchmod(fd, old.st_mode & 07777) == 0);
    }
    for (std::size_t done = 0; error == 0 && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            errno = ENOSPC; // nothing written and no error: the device took no more
        check(n > 0);
        done += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    // On disk before the rename, so a power cut leaves the old file or the new one, never an empty one.
    if (error == 0)
        check(::fsync(fd) == 0);
    check(::close(fd) == 0);
    if (error != 0)
        fail(temp, WriteFailureCause(error));
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec)
        fail(temp, WriteFailureCause(ec.value()));
    SyncFolder(folder);
}

void RemoveStaleTempFiles(const std::vector<std::string>& files) {
    // Only the temporary files of these files, in the folder each one is written in: other
    // programs may use the same naming beside them.
    std::vector<std::pair<fs::path, std::string>> owned; // folder, file name
    const auto own = [&](const fs::path& file) {
        std::error_code ec;
        const fs::path folder = fs::weakly_canonical(fs::absolute(file, ec).parent_path(), ec);
        const std::pair<fs::path, std::string> entry{folder, file.filename().string()};
        if (!ec && std::find(owned.begin(), owned.end(), entry) == owned.end())
            owned.push_back(entry);
    };
    for (const std::string& file : files) {
        own(file);
        try {
            own(LinkTarget(file));
        } catch (const FileError&) {
        }
    }
    std::vector<fs::path> folders;
    for (const auto& entry : owned)
        if (std::find(folders.begin(), folders.end(), entry.first) == folders.end())
            folders.push_back(entry.first);
    for (const fs::path& folder : folders) {
        std::error_code ec;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            const std::optional<TempFileName> temp = ParseTempFileName(it->path().filename().string());
            std::error_code ignored;
            if (temp &&
                std::find(owned.begin(), owned.end(), std::pair{folder, temp->replacing}) != owned.end() &&
                fs::is_regular_file(it->symlink_status(ignored)) && ProcessIsGone(temp->writer))
                fs::remove(it->path(), ignored);
        }
    }
}

void WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    WriteFileBytes(path, Utf8ToBig5(text));
}
