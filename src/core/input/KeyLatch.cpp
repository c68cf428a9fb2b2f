// Key state fed by window events: held keys plus a pressed-since-last-query latch per key.
#include "input/KeyLatch.h"

#include "platform/Keys.h"

namespace felux {
namespace {
bool Valid(int key) { return key > 0 && key < 256; }
bool IsButtonKey(int key) { return key == vk::LButton || key == vk::RButton || key == vk::MButton; }
}  // namespace

void KeyLatch::Press(int key) {
    if (!Valid(key)) return;
    held_[static_cast<std::size_t>(key)] = true;
    latched_[static_cast<std::size_t>(key)] = true;
    fullScreenLatched_[static_cast<std::size_t>(key)] = true;
    if (!IsButtonKey(key)) tapped_[static_cast<std::size_t>(key)] = true;
}

void KeyLatch::Release(int key) {
    if (Valid(key)) held_[static_cast<std::size_t>(key)] = false;
}

void KeyLatch::ReleaseAll() {
    held_.fill(false);
    tapped_.fill(false);
}

void KeyLatch::EndPoll() { tapped_.fill(false); }

bool KeyLatch::Down(int key) {
    if (!Valid(key)) return false;
    const auto k = static_cast<std::size_t>(key);
    latched_[k] = false;
    return held_[k] || tapped_[k];
}

namespace {
bool TakeHit(const std::array<bool, 256>& held, std::array<bool, 256>& latched, int key) {
    if (!Valid(key)) return false;
    const auto k = static_cast<std::size_t>(key);
    const bool hit = held[k] || latched[k];
    latched[k] = false;
    return hit;
}
}  // namespace

bool KeyLatch::Hit(int key) { return TakeHit(held_, latched_, key); }

bool KeyLatch::FullScreenHit(int key) { return TakeHit(held_, fullScreenLatched_, key); }

}  // namespace felux
