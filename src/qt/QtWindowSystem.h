// Window port over the Qt main, panel, video and picture widgets.
#pragma once

#include <functional>

#include "platform/WindowSystem.h"

class QWidget;

namespace felux {

class MainWindow;
class VideoWindow;

class QtWindowSystem : public WindowSystem {
public:
    QtWindowSystem(MainWindow& main, VideoWindow& video);
    // The playlist editor's window, while it exists.
    void SetEditor(std::function<QWidget*()> editor) { editor_ = std::move(editor); }

    void Place(WindowId id, Rect r, bool show, Stacking stacking) override;
    void Resize(WindowId id, int width, int height) override;
    void Raise(WindowId id) override;
    void StackUnder(WindowId id, WindowId over) override;
    Rect WindowRect(WindowId id) override;
    bool OnScreen(WindowId id) override;
    Size ScreenSize() override;
    double DeviceScale() override;
    Rect WorkArea() override;
    void SetTitle(WindowId id, const std::string& title) override;
    void SetRegion(WindowId id, const std::vector<Rect>& spans) override;
    void Invalidate(WindowId id) override;
    void InvalidateArea(WindowId id, Rect area) override;
    Point CursorPosition() override;
    void MoveCursor(Point p) override;
    void ShowCursor(bool show) override;
    void KeepDisplayAwake() override;
    void StartSystemMove(WindowId id) override;
    void Minimise(WindowId id) override;
    void Restore(WindowId id) override;
    void Activate(WindowId id) override;

private:
    QWidget* Widget(WindowId id) const;

    MainWindow& main_;
    VideoWindow& video_;
    bool mainAbove_ = false;   // kept above ordinary windows, as last asked
    bool videoAbove_ = false;
    std::function<QWidget*()> editor_;
};

}  // namespace felux
