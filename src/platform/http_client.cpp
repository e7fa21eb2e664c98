#include "platform/http_client.h"

#include <QThread>
#include <curl/curl.h>
#include <mutex>

namespace {

// A draw file is a few hundred kilobytes; anything far bigger is not one.
constexpr std::size_t MaxBodyBytes = 16u * 1024u * 1024u;

struct Transfer {
    std::string body;
    const std::atomic<bool>* cancel = nullptr;
    bool tooLarge = false;
};

std::size_t appendBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto* transfer = static_cast<Transfer*>(user);
    const std::size_t bytes = size * count;
    if (transfer->body.size() + bytes > MaxBodyBytes) {
        transfer->tooLarge = true;
        return 0; // makes libcurl stop with a write error
    }
    transfer->body.append(data, bytes);
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

} // namespace

HttpResponse HttpGet(const std::string& url, std::chrono::milliseconds timeout,
                     const std::atomic<bool>* cancel) {
    initCurlOnce();
    HttpResponse response;
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), &curl_easy_cleanup);
    if (!curl) {
        response.error = "libcurl could not start";
        return response;
    }
    Transfer transfer;
    transfer.cancel = cancel;
    CURL* handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(handle, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(handle, CURLOPT_PROXY, "");
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, static_cast<long>(timeout.count()));
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(timeout.count()));
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &appendBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, &checkCancel);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &transfer);

    const CURLcode result = curl_easy_perform(handle);
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &response.status);
    if (result != CURLE_OK) {
        response.error = transfer.tooLarge ? "answer too large" : curl_easy_strerror(result);
        return response;
    }
    if (response.status < 200 || response.status > 299) {
        response.error = "HTTP status " + std::to_string(response.status);
        return response;
    }
    response.ok = true;
    response.body = std::move(transfer.body);
    return response;
}

AsyncHttpGet::AsyncHttpGet(QObject* parent) : QObject(parent) {}

AsyncHttpGet::~AsyncHttpGet() {
    cancel_ = true;
    stopWorker();
}

void AsyncHttpGet::stopWorker() {
    if (worker_) {
        worker_->wait();
        worker_.reset();
    }
}

void AsyncHttpGet::start(const std::string& url, std::chrono::milliseconds timeout) {
    // A cancelled request may still be winding down; it ends at libcurl's next progress call.
    stopWorker();
    cancel_ = false;
    response_ = HttpResponse();
    running_ = true;
    const int generation = ++generation_;
    worker_.reset(QThread::create([this, url, timeout] { response_ = HttpGet(url, timeout, &cancel_); }));
    connect(worker_.get(), &QThread::finished, this, [this, generation] {
        if (generation != generation_ || cancel_)
            return;
        running_ = false;
        emit finished();
    });
    worker_->start();
}

void AsyncHttpGet::cancel() {
    cancel_ = true;
    running_ = false;
}
