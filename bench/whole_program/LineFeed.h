// Lines a player's script writes to a named pipe, each stamped with the moment the bench read it.
#pragma once

#include <poll.h>
#include <sys/stat.h>

#include <algorithm>
#include <deque>

#include "whole_program/Processes.h"

namespace felux::bench {

// Lines from a named pipe, each stamped with the moment it was read.
class LineFeed {
public:
    struct Line {
        std::string word;
        double value = 0;
        Clock::time_point at;
    };

    explicit LineFeed(fs::path path) : path_(std::move(path)) {
        std::error_code ec;
        fs::remove(path_, ec);
        mkfifo(path_.c_str(), 0600);
        read_ = open(path_.c_str(), O_RDONLY | O_NONBLOCK);
        // A writer of our own keeps the pipe from reporting its end each time a player closes it.
        keep_ = open(path_.c_str(), O_WRONLY | O_NONBLOCK);
    }
    ~LineFeed() {
        if (keep_ >= 0) close(keep_);
        if (read_ >= 0) close(read_);
        std::error_code ec;
        fs::remove(path_, ec);
    }
    LineFeed(const LineFeed&) = delete;
    LineFeed& operator=(const LineFeed&) = delete;

    bool Open() const { return read_ >= 0 && keep_ >= 0; }
    const fs::path& Path() const { return path_; }

    void Clear() {
        Fill(0ms);
        lines_.clear();
        partial_.clear();
    }

    // The next line of that word within the wait; the lines of other words before it are dropped.
    std::optional<Line> Next(const std::string& word, std::chrono::milliseconds wait) {
        const auto end = Clock::now() + wait;
        // The pipe is read at least once, also when there is no time to wait.
        for (bool read = false;; read = true) {
            while (!lines_.empty()) {
                Line line = lines_.front();
                lines_.pop_front();
                if (line.word == word) return line;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
            if (read && left <= 0ms) return std::nullopt;
            Fill(std::max(left, 0ms));
        }
    }

private:
    void Fill(std::chrono::milliseconds wait) {
        pollfd fd{read_, POLLIN, 0};
        if (poll(&fd, 1, static_cast<int>(wait.count())) <= 0) return;
        const auto at = Clock::now();
        char buffer[4096];
        for (ssize_t n; (n = read(read_, buffer, sizeof buffer)) > 0;) partial_.append(buffer, static_cast<std::size_t>(n));
        for (auto nl = partial_.find('\n'); nl != std::string::npos; nl = partial_.find('\n')) {
            std::istringstream text(partial_.substr(0, nl));
            partial_.erase(0, nl + 1);
            Line line{{}, 0, at};
            if (text >> line.word >> line.value) lines_.push_back(line);
        }
    }

    fs::path path_;
    int read_ = -1, keep_ = -1;
    std::string partial_;
    std::deque<Line> lines_;
};

}  // namespace felux::bench
