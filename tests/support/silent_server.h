#pragma once

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

// A TCP listener on 127.0.0.1 that takes one connection and never says a word: a server a client
// must give up on. Plain sockets, so it works while the test's event loop is not running, and the
// test can see at once whether the client has already hung up.
class SilentServer {
public:
    SilentServer() : listener_(::socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in at{};
        at.sin_family = AF_INET;
        at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(listener_, reinterpret_cast<sockaddr*>(&at), sizeof at);
        ::listen(listener_, 4);
        socklen_t length = sizeof at;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&at), &length);
        port_ = ntohs(at.sin_port);
        timeval wait{10, 0};
        ::setsockopt(listener_, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    }
    ~SilentServer() {
        if (client_ >= 0)
            ::close(client_);
        ::close(listener_);
    }
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;

    int port() const { return port_; }

    // Takes the next connection, and when `firstWords` its first bytes (an HTTP request); false
    // after 10 s without.
    bool accept(bool firstWords) {
        if (client_ >= 0)
            ::close(client_);
        client_ = ::accept(listener_, nullptr, nullptr);
        if (client_ < 0)
            return false;
        timeval wait{10, 0};
        ::setsockopt(client_, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
        char byte;
        if (firstWords && ::recv(client_, &byte, 1, 0) != 1)
            return false;
        // Lets the client finish sending and settle into waiting for the answer.
        ::usleep(20000);
        return true;
    }

    // Whether the client has closed the connection, without waiting (unless `wait`, up to 10 s).
    bool clientClosed(bool wait = false) {
        char buffer[4096];
        for (;;) {
            const ssize_t n = ::recv(client_, buffer, sizeof buffer, wait ? 0 : MSG_DONTWAIT);
            if (n > 0)
                continue; // the rest of the request
            return n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
        }
    }

private:
    int listener_;
    int client_ = -1;
    int port_ = 0;
};
