// The screen saver port on the session bus: org.freedesktop.ScreenSaver and the desktop portal's Inhibit.
#pragma once

#include <QDBusConnection>
#include <functional>
#include <memory>
#include <string>

#include "platform/ScreenSaver.h"
#include "qt/BusInhibition.h"

namespace felux {

class BusScreenSaver : public ScreenSaver {
public:
    // Where the one line about a failing service goes. Nothing is asked before Attach, and
    // nothing at all without a session bus.
    explicit BusScreenSaver(std::function<void(const std::string&)> notice);

    // The bus is up: what is wanted by then (a video already playing) is asked for now. Once only.
    void Attach(const QDBusConnection& bus);
    void Inhibit() override;
    void Release() override;

private:
    void Notice(const QString& text);

    std::function<void(const std::string&)> notice_;
    bool noticed_ = false;
    bool wanted_ = false;
    // None until Attach.
    std::unique_ptr<BusInhibition> screenSaver_;
    std::unique_ptr<BusInhibition> portal_;
};

}  // namespace felux
