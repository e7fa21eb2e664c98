#include "platform/net.h"

#include <algorithm>
#include <curl/curl.h>
#include <filesystem>
#include <mutex>

#include "common/errors.h"
#include "common/text_file.h"

namespace {

struct Transfer {
    const std::atomic<bool>* cancel = nullptr;
    std::string body; // what arrives
    bool tooLarge = false;
    const std::string* upload = nullptr; // what leaves
    std::size_t sent = 0;
    char errorText[CURL_ERROR_SIZE] = {};
};

std::size_t appendBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto* transfer = static_cast<Transfer*>(user);
    const std::size_t bytes = size * count;
    if (transfer->body.size() + bytes > MaxHttpBodyBytes) {
        transfer->tooLarge = true;
        return 0; // makes libcurl stop with a write error
    }
    transfer->body.append(data, bytes);
    return bytes;
}

std::size_t readUpload(char* buffer, std::size_t size, std::size_t count, void* user) {
    auto* transfer = static_cast<Transfer*>(user);
    const std::size_t bytes = std::min(size * count, transfer->upload->size() - transfer->sent);
    transfer->upload->copy(buffer, bytes, transfer->sent);
    transfer->sent += bytes;
    return bytes;
}

int checkCancel(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    const auto* transfer = static_cast<const Transfer*>(user);
    return transfer->cancel && transfer->cancel->load() ? 1 : 0;
}

void initCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

using CurlHandle = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;

// A handle with what every request shares: no proxy, no signals, the time limit, the cancel check.
CurlHandle newHandle(const std::string& url, std::chrono::milliseconds timeout, Transfer& transfer) {
    initCurlOnce();
    CurlHandle curl(curl_easy_init(), &curl_easy_cleanup);
    if (!curl)
        return curl;
    CURL* handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_PROXY, "");
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, static_cast<long>(timeout.count()));
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(timeout.count()));
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, &checkCancel);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &transfer);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, transfer.errorText);
    return curl;
}

std::string errorText(CURLcode result, const Transfer& transfer) {
    if (transfer.errorText[0] != '\0')
        return transfer.errorText;
    return curl_easy_strerror(result);
}

std::string withTrailingSlash(std::string url) {
    if (url.empty() || url.back() != '/')
        url += '/';
    return url;
}

// Names that would leave the folder, or smuggle a second command onto the control line, are
// refused rather than passed on.
bool isPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..")
        return false;
    for (const unsigned char c : name)
        if (c == '/' || c == '\\' || c < 0x20 || c == 0x7f)
            return false;
    return true;
}

// One FTP session: log in, then store `upload` under `fileName`, or only log in when there is no
// upload.
FtpResult ftpSession(const std::string& baseUrl, const std::string& fileName, const std::string* upload,
                     std::chrono::milliseconds timeout, const std::atomic<bool>* cancel) {
    FtpResult result;
    Transfer transfer;
    transfer.cancel = cancel;
    transfer.upload = upload;
    std::string url = withTrailingSlash(baseUrl);
    CurlHandle curl = newHandle(url, timeout, transfer);
    if (!curl) {
        result.error = "libcurl could not start";
        return result;
    }
    CURL* handle = curl.get();
    if (upload) {
        char* escaped = curl_easy_escape(handle, fileName.c_str(), static_cast<int>(fileName.size()));
        if (!escaped) {
            result.error = "libcurl could not escape the file name";
            return result;
        }
        url += escaped;
        curl_free(escaped);
        curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
        curl_easy_setopt(handle, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(handle, CURLOPT_READFUNCTION, &readUpload);
        curl_easy_setopt(handle, CURLOPT_READDATA, &transfer);
        curl_easy_setopt(handle, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(upload->size()));
    } else {
        curl_easy_setopt(handle, CURLOPT_NOBODY, 1L); // the folder is entered, nothing listed
    }
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "ftp");

    const CURLcode code = curl_easy_perform(handle);
    // libcurl asks for the working folder right after the login, so knowing it means we got in.
    const char* entryPath = nullptr;
    curl_easy_getinfo(handle, CURLINFO_FTP_ENTRY_PATH, &entryPath);
    result.connected = entryPath != nullptr;
    if (code != CURLE_OK) {
        result.error = errorText(code, transfer);
        return result;
    }
    result.ok = true;
    return result;
}

// `status`: the last answer's, a 3xx when libcurl stopped at a redirect.
HttpFailure failureOf(CURLcode result, long status) {
    switch (result) {
    case CURLE_TOO_MANY_REDIRECTS:
        return HttpFailure::TooManyRedirects;
    case CURLE_UNSUPPORTED_PROTOCOL:
        return status >= 300 && status <= 399 ? HttpFailure::RedirectRefused : HttpFailure::NoAnswer;
    case CURLE_OPERATION_TIMEDOUT:
        return HttpFailure::TimedOut;
    default:
        return HttpFailure::NoAnswer;
    }
}

} // namespace

HttpResponse HttpGet(const std::string& url, std::chrono::milliseconds timeout,
                     const std::atomic<bool>* cancel) {
    HttpResponse response;
    Transfer transfer;
    transfer.cancel = cancel;
    CurlHandle curl = newHandle(url, timeout, transfer);
    if (!curl) {
        response.error = "libcurl could not start";
        return response;
    }
    CURL* handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(handle, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &appendBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &transfer);

    const CURLcode result = curl_easy_perform(handle);
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &response.status);
    if (result != CURLE_OK) {
        response.error = transfer.tooLarge ? "answer too large" : errorText(result, transfer);
        response.failure = transfer.tooLarge ? HttpFailure::TooLarge : failureOf(result, response.status);
        return response;
    }
    if (response.status < 200 || response.status > 299) {
        response.error = "HTTP status " + std::to_string(response.status);
        response.failure = HttpFailure::Status;
        return response;
    }
    // libcurl fails a transfer shorter than its declared length, so a length here was met.
    curl_off_t declared = -1;
    curl_easy_getinfo(handle, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &declared);
    response.lengthDeclared = declared >= 0 && static_cast<curl_off_t>(transfer.body.size()) == declared;
    response.ok = true;
    response.body = std::move(transfer.body);
    return response;
}

void AsyncHttpGet::start(const std::string& url, std::chrono::milliseconds timeout) {
    response_ = HttpResponse();
    call_.run<HttpResponse>(
        [url, timeout](const std::atomic<bool>& cancel) { return HttpGet(url, timeout, &cancel); },
        [this](HttpResponse response) {
            response_ = std::move(response);
            emit finished();
        },
        [this](const std::string& error) {
            response_.failure = HttpFailure::NoAnswer;
            response_.error = error;
            emit finished();
        });
}

FtpResult FtpLogin(const std::string& baseUrl, std::chrono::milliseconds timeout,
                   const std::atomic<bool>* cancel) {
    return ftpSession(baseUrl, {}, nullptr, timeout, cancel);
}

FtpResult FtpUpload(const std::string& baseUrl, const std::string& fileName, const std::string& bytes,
                    std::chrono::milliseconds timeout, const std::atomic<bool>* cancel) {
    if (!isPlainFileName(fileName)) {
        FtpResult refused;
        refused.error = "not a plain file name: " + fileName;
        return refused;
    }
    return ftpSession(baseUrl, fileName, &bytes, timeout, cancel);
}

FtpResult FtpUploadFile(const std::string& baseUrl, const std::string& localPath,
                        std::chrono::milliseconds timeout, const std::atomic<bool>* cancel) {
    std::string bytes;
    try {
        bytes = ReadFileBytes(localPath);
    } catch (const FileError& e) {
        FtpResult unread;
        unread.error = e.what();
        return unread;
    }
    return FtpUpload(baseUrl, std::filesystem::path(localPath).filename().string(), bytes, timeout, cancel);
}
