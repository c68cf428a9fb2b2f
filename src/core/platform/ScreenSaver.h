// Port: the desktop's screen saver and idle blanking, held off while a video plays.
#pragma once

namespace felux {

class ScreenSaver {
public:
    virtual ~ScreenSaver() = default;
    // Keeps the desktop from blanking until Release; called once per playing stretch.
    virtual void Inhibit() = 0;
    // Lets the desktop blank again; harmless when nothing is held.
    virtual void Release() = 0;
};

}  // namespace felux
