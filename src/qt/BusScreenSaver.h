// The screen saver port on the session bus: org.freedesktop.ScreenSaver and the desktop portal's Inhibit.
#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "platform/ScreenSaver.h"
#include "qt/BusInhibition.h"

namespace felux {

class BusScreenSaver : public ScreenSaver {
public:
    // Where the one line about a failing service goes. Without a session bus nothing is asked.
    explicit BusScreenSaver(std::function<void(const std::string&)> notice);

    void Inhibit() override;
    void Release() override;

private:
    void Notice(const QString& text);

    std::function<void(const std::string&)> notice_;
    bool noticed_ = false;
    BusInhibition screenSaver_;
    BusInhibition portal_;
};

}  // namespace felux
