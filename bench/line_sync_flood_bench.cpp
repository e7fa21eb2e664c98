// The line-sync window under a datagram flood, as a hostile machine on the network could send it:
// 5 000 (and 20 000) datagrams a second for 10 s (at most 200 000 in all) at its port on 127.0.0.1,
// each 1 to 1 400 bytes long, text with Big5 characters or, one in four, random bytes, while a peer
// on 127.0.0.2 asks for lines every 100 ms. Reported: the longest the event loop went without
// running a 5 ms timer (max_gap_ms), the requests sent and answered, and the log lines the window
// holds at the end.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHostAddress>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QUdpSocket>
#include <arpa/inet.h>
#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <netinet/in.h>
#include <random>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

#include "drawhistory/line_sync_window.h"
#include "platform/qt_platform.h"
#include "platform/services.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto FloodTime = std::chrono::seconds(10);
constexpr long FloodLimit = 200000;
constexpr auto RequestInterval = std::chrono::milliseconds(100);

// What a flood carries: random lengths up to a full Ethernet payload, mostly text (ASCII with Big5
// characters, whose lead byte 0xA4 is followed by a trail byte), some of it binary. A fixed seed,
// so every run sends the same.
std::vector<std::string> FloodDatagrams() {
    std::mt19937 random(539);
    std::uniform_int_distribution<int> length(1, 1400);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> printable(0x20, 0x7E);
    std::uniform_int_distribution<int> trail(0x40, 0x7E);
    std::vector<std::string> datagrams(4096);
    for (std::size_t i = 0; i < datagrams.size(); ++i) {
        std::string& datagram = datagrams[i];
        const int size = length(random);
        const bool binary = i % 4 == 3;
        while (static_cast<int>(datagram.size()) < size) {
            if (binary)
                datagram += static_cast<char>(byte(random));
            else if (random() % 8 == 0 && static_cast<int>(datagram.size()) + 2 <= size)
                datagram += {static_cast<char>(0xA4), static_cast<char>(trail(random))};
            else
                datagram += static_cast<char>(printable(random));
        }
    }
    return datagrams;
}

class UdpEnd {
public:
    explicit UdpEnd(const char* address, quint16 port = 0) : fd_(::socket(AF_INET, SOCK_DGRAM, 0)) {
        sockaddr_in at = inet(address, port);
        if (::bind(fd_, reinterpret_cast<sockaddr*>(&at), sizeof at) != 0)
            ok_ = false;
        socklen_t length = sizeof at;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&at), &length);
        port_ = ntohs(at.sin_port);
        timeval wait{0, 20000};
        ::setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    }
    ~UdpEnd() { ::close(fd_); }
    UdpEnd(const UdpEnd&) = delete;
    UdpEnd& operator=(const UdpEnd&) = delete;

    bool ok() const { return ok_; }
    quint16 port() const { return port_; }
    void send(const std::string& text, const sockaddr_in& to) const {
        ::sendto(fd_, text.data(), text.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
    }
    // One datagram, or nothing after 20 ms.
    std::string receive() const {
        char buffer[65536];
        const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
        return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
    }

    static sockaddr_in inet(const char* address, quint16 port) {
        sockaddr_in at{};
        at.sin_family = AF_INET;
        at.sin_port = htons(port);
        ::inet_pton(AF_INET, address, &at.sin_addr);
        return at;
    }

private:
    int fd_;
    quint16 port_ = 0;
    bool ok_ = true;
};

void Flood(benchmark::State& run) {
    QTemporaryDir workDir; // the window writes no file unless shown; keep any away from the sources
    QDir::setCurrent(workDir.path());
    QtDialogs dialogs;
    SystemClock clock;
    QtClipboard clipboard;
    QtWindowShower shower;
    QtReportPreview preview;
    Services services{dialogs, clock, clipboard, shower, preview};

    const long floodPerSecond = run.range(0);
    const std::vector<std::string> mix = FloodDatagrams();
    for (auto _ : run) {
        // Answers go to the requester's address at the window's own port: the peer takes that port
        // on 127.0.0.2.
        std::unique_ptr<UdpEnd> peer;
        std::unique_ptr<TForm_dl_main> window;
        for (int attempt = 0; attempt < 20 && !window; ++attempt) {
            peer = std::make_unique<UdpEnd>("127.0.0.2");
            auto candidate = std::make_unique<TForm_dl_main>(
                services, QHostAddress(QStringLiteral("127.0.0.1")), peer->port());
            if (candidate->listening())
                window = std::move(candidate);
        }
        if (!window || !peer->ok()) {
            run.SkipWithError("no free port pair on 127.0.0.1/127.0.0.2");
            return;
        }
        const sockaddr_in target = UdpEnd::inet("127.0.0.1", peer->port());

        std::atomic<bool> flooding{true};
        std::atomic<long> floodSent{0};
        std::atomic<int> requestsSent{0};
        std::atomic<int> answered{0};
        std::thread flooder([&] {
            UdpEnd from("127.0.0.3");
            const auto start = Clock::now();
            long sent = 0;
            for (auto now = start; now - start < FloodTime && sent < FloodLimit; now = Clock::now()) {
                // Paced to the rate: as many as are due by now.
                const auto due = std::min(
                    FloodLimit, std::chrono::duration_cast<std::chrono::microseconds>(now - start).count() *
                                    floodPerSecond / 1000000);
                for (; sent < due; ++sent)
                    from.send(mix[static_cast<std::size_t>(sent) % mix.size()], target);
                std::this_thread::sleep_for(std::chrono::microseconds(500));
            }
            floodSent = sent;
            flooding = false;
        });
        std::thread requester([&] {
            auto next = Clock::now();
            while (flooding) {
                if (Clock::now() >= next) {
                    peer->send("REQ0000", target);
                    ++requestsSent;
                    next += RequestInterval;
                }
                if (peer->receive() == "END")
                    ++answered;
            }
            // Answers still on their way when the flood ends.
            for (auto end = Clock::now() + std::chrono::seconds(2);
                 Clock::now() < end && answered < requestsSent;)
                if (peer->receive() == "END")
                    ++answered;
        });

        QElapsedTimer sinceTick;
        sinceTick.start();
        qint64 maxGap = 0;
        QTimer heartbeat;
        heartbeat.setTimerType(Qt::PreciseTimer);
        QObject::connect(&heartbeat, &QTimer::timeout,
                         [&] { maxGap = std::max(maxGap, sinceTick.restart()); });
        heartbeat.start(5);
        QEventLoop loop;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (!flooding && answered >= requestsSent)
                loop.quit();
        });
        watch.start(50);
        QTimer::singleShot(FloodTime + std::chrono::seconds(3), &loop, &QEventLoop::quit);
        loop.exec();
        flooder.join();
        requester.join();
        heartbeat.stop();

        run.counters["max_gap_ms"] = static_cast<double>(maxGap);
        run.counters["flood_sent"] = static_cast<double>(floodSent);
        run.counters["requests_sent"] = requestsSent.load();
        run.counters["requests_answered"] = answered.load();
        QApplication::processEvents();
        run.counters["log_lines"] = window->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->blockCount();
    }
}
// The rate to hold, and four times that.
BENCHMARK(Flood)->Arg(5000)->Arg(20000)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace
