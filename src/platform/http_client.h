#pragma once

#include <QObject>
#include <atomic>
#include <chrono>
#include <memory>
#include <string>

class QThread;

struct HttpResponse {
    bool ok = false; // a 2xx answer arrived whole
    long status = 0; // the last answer's status, 0 when none came
    std::string body;
    std::string error; // why it failed, for the curious; the user sees one fixed message
};

// A plain GET by libcurl: follows up to 5 redirects (http and https only), no proxy, gives up after
// `timeout`. Only a 2xx answer counts. Setting *cancel ends the request early.
HttpResponse HttpGet(const std::string& url, std::chrono::milliseconds timeout,
                     const std::atomic<bool>* cancel = nullptr);

// Runs HttpGet on a worker thread so the window stays responsive; `finished` arrives on the
// owner's thread unless the request was cancelled.
class AsyncHttpGet : public QObject {
    Q_OBJECT
public:
    explicit AsyncHttpGet(QObject* parent = nullptr);
    ~AsyncHttpGet() override;

    void start(const std::string& url, std::chrono::milliseconds timeout);
    void cancel();
    bool running() const { return running_; }
    const HttpResponse& response() const { return response_; }

signals:
    void finished();

private:
    void stopWorker();

    std::unique_ptr<QThread> worker_;
    std::atomic<bool> cancel_{false};
    HttpResponse response_;
    int generation_ = 0;
    bool running_ = false;
};
