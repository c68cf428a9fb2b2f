// A local http server that takes every connection and answers nothing until it stalls no more, as a
// slow or dead stream source does.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace felux::test {

class StallingServer {
public:
    // Connections are held for stall from the server's start, then closed unanswered.
    explicit StallingServer(std::chrono::milliseconds stall) {
        listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            listen(listener_, 8) != 0 || getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
            return;
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this, end = std::chrono::steady_clock::now() + stall] { Serve(end); });
    }
    ~StallingServer() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        if (listener_ >= 0) close(listener_);
    }
    StallingServer(const StallingServer&) = delete;
    StallingServer& operator=(const StallingServer&) = delete;

    std::string Url(const std::string& name) const { return "http://127.0.0.1:" + std::to_string(port_) + "/" + name; }
    int Connections() const { return connections_; }
    // Still holding its connections unanswered.
    bool Stalling() const { return !ended_; }

private:
    void Serve(std::chrono::steady_clock::time_point end) {
        std::vector<int> held;
        while (!stop_ && std::chrono::steady_clock::now() < end) {
            pollfd waiting{listener_, POLLIN, 0};
            if (poll(&waiting, 1, 10) == 1) {
                const int client = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
                if (client >= 0) {
                    held.push_back(client);
                    ++connections_;
                }
            }
        }
        ended_ = true;
        for (int client : held) close(client);
    }

    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<bool> ended_{false};
    std::atomic<int> connections_{0};
    std::thread thread_;
};

}  // namespace felux::test
