// Input records of the player's two child windows, the panel and the video window, read by the tick.
#include "skin/ChildWindowInput.h"

#include "skin/PanelHitTest.h"

namespace felux {

bool ChildWindowInput::OnLButtonDown(int x, int y) {
    pressed_ = true;
    leftClick_ = true;
    panel_.leftHeld = true;
    RecordLeft(PanelLeft::Down, x, y);
    return role_ == ChildWindow::Video && !fullScreenMark_;
}

// No system move on release: on X11 a move started without a held button leaves the window
// stuck to the cursor on some window managers.
void ChildWindowInput::OnLButtonUp(int x, int y) {
    panel_.leftHeld = false;
    RecordLeft(PanelLeft::Up, x, y);
}

void ChildWindowInput::OnLButtonDblClk(int x, int y) {
    // The video window takes a double click as nothing; the main window has its own handler.
    if (role_ == ChildWindow::Video) return;
    RecordLeft(PanelLeft::DoubleClick, x, y);
}

void ChildWindowInput::OnRButtonDown(int x, int y) {
    pressed_ = true;
    rightDownWindowed_ = !fullScreenMark_;
    RecordRight(PanelRight::Down, x, y);
}

void ChildWindowInput::OnRButtonUp(int x, int y) {
    if (role_ == ChildWindow::Video && std::exchange(rightDownWindowed_, false) && !fullScreenMark_) menuClick_ = true;
    RecordRight(PanelRight::Up, x, y);
}

// Either double click resets the playback rate on PLAY, so both count as the left's; only the
// left one on bare area hides the panel.
void ChildWindowInput::OnRButtonDblClk(int x, int y) {
    if (role_ == ChildWindow::Video) return;
    RecordLeft(PanelLeft::RightDoubleClick, x, y);
}

void ChildWindowInput::RecordLeft(PanelLeft s, int x, int y) {
    if (panel_.left != PanelLeft::None || leftPending_.set) {
        leftPending_ = {true, s, x, y};
        return;
    }
    panel_.left = s;
    panel_.x = x;
    panel_.y = y;
}

void ChildWindowInput::RecordRight(PanelRight s, int x, int y) {
    if (panel_.right != PanelRight::None || rightPending_.set) {
        rightPending_ = {true, s, x, y};
        return;
    }
    panel_.right = s;
    panel_.x = x;
    panel_.y = y;
}

void ChildWindowInput::OnMButtonDown() {
    pressed_ = true;
    middleClick_ = true;
    panel_.middle = true;
}

void ChildWindowInput::OnMouseMove(int x, int y) {
    panel_.hover = skin::Hits(skin::kDisplayText, x, y);
    panel_.moveX = x;
    panel_.moveY = y;
}

void ChildWindowInput::OnMouseWheel(int delta) {
    if (delta < 0) panel_.wheel = -1;
    if (delta > 0) panel_.wheel = 1;
}

void ChildWindowInput::OnUserMove(int x, int y) { userPosition_ = Position{x, y}; }

std::optional<ChildWindowInput::Position> ChildWindowInput::TakeUserPosition() {
    const std::optional<Position> p = userPosition_;
    userPosition_.reset();
    return p;
}

void ChildWindowInput::ClearClicks() {
    fullScreenMark_ = false;
    leftClick_ = false;
    middleClick_ = false;
    menuClick_ = false;
}

void ChildWindowInput::PanelResetButtons() {
    panel_.x = 0;
    panel_.y = 0;
    panel_.left = PanelLeft::None;
    panel_.right = PanelRight::None;
    panel_.middle = false;
    // One waiting event per tick, since both buttons share the recorded point.
    if (leftPending_.set) {
        leftPending_.set = false;
        RecordLeft(leftPending_.state, leftPending_.x, leftPending_.y);
    } else if (rightPending_.set) {
        rightPending_.set = false;
        RecordRight(rightPending_.state, rightPending_.x, rightPending_.y);
    }
}

}  // namespace felux
