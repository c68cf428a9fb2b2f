// Shared helpers of the libmpv tests: clip paths, a tick loop, and an engine that can be inspected.
#pragma once

#include <mpv/client.h>

#include <chrono>
#include <cstdlib>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "mpv/MpvEngine.h"

namespace felux::test {

inline std::string Clip(const std::string& name) { return std::string(FELUX_TEST_DATA_DIR) + "/" + name; }

inline MediaTime Seconds(double s) { return std::chrono::round<MediaTime>(std::chrono::duration<double>(s)); }
inline double InSeconds(MediaTime time) { return std::chrono::duration<double>(time).count(); }

// MpvEngine plus read-only questions to its mpv instance that the player itself never asks.
class InspectableEngine : public MpvEngine {
public:
    using MpvEngine::MpvEngine;

    std::optional<double> DoubleProperty(const char* name) const {
        double value = 0;
        if (!Handle() || mpv_get_property(Handle(), name, MPV_FORMAT_DOUBLE, &value) < 0) return std::nullopt;
        return value;
    }
    std::optional<std::int64_t> IntProperty(const char* name) const {
        std::int64_t value = 0;
        if (!Handle() || mpv_get_property(Handle(), name, MPV_FORMAT_INT64, &value) < 0) return std::nullopt;
        return value;
    }
    std::optional<std::string> StringProperty(const char* name) const {
        if (!Handle()) return std::nullopt;
        char* value = mpv_get_property_string(Handle(), name);
        if (!value) return std::nullopt;
        std::string result(value);
        mpv_free(value);
        return result;
    }
    bool Alive() const { return Handle() != nullptr; }
    // Leaves a mark on the running instance that the player never sets: a new instance lacks it.
    void MarkInstance() const {
        if (Handle()) mpv_set_property_string(Handle(), "title", "marked");
    }
    bool SameInstance() const { return StringProperty("title") == "marked"; }
};

// Opens as the player does, polling until the open has ended (the engine bounds it).
inline OpenStatus OpenAndWait(MediaEngine& engine, const std::string& path,
                              const std::optional<std::string>& companion) {
    engine.BeginOpen(path, companion);
    for (;;) {
        const OpenStatus status = engine.PollOpen();
        if (status != OpenStatus::Pending) return status;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// Sets one environment variable for a scope, then puts back what was there.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) saved_ = old;
        setenv(name, value, 1);
    }
    ~ScopedEnv() {
        if (saved_) {
            setenv(name_, saved_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> saved_;
};

// Calls TakeCompletion every 40 ms, like the player's tick, and remembers completions.
class Ticker {
public:
    explicit Ticker(MediaEngine& engine) : engine_(engine) {}

    void Tick() {
        if (engine_.TakeCompletion()) ++completions_;
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
    }
    // Ticks until the condition holds; false after the limit.
    bool Until(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (!condition()) {
            if (std::chrono::steady_clock::now() > end) return false;
            Tick();
        }
        return true;
    }
    void For(std::chrono::milliseconds span) {
        const auto end = std::chrono::steady_clock::now() + span;
        while (std::chrono::steady_clock::now() < end) Tick();
    }
    int completions() const { return completions_; }

private:
    MediaEngine& engine_;
    int completions_ = 0;
};

}  // namespace felux::test
