// Key state fed by window events: held keys plus a pressed-since-last-query latch per key.
#include "input/KeyLatch.h"

namespace felux {
namespace {
bool Valid(int key) { return key > 0 && key < 256; }
}  // namespace

void KeyLatch::Press(int key) {
    if (!Valid(key)) return;
    held_[static_cast<std::size_t>(key)] = true;
    latched_[static_cast<std::size_t>(key)] = true;
}

void KeyLatch::Release(int key) {
    if (Valid(key)) held_[static_cast<std::size_t>(key)] = false;
}

void KeyLatch::ReleaseAll() { held_.fill(false); }

bool KeyLatch::Down(int key) {
    if (!Valid(key)) return false;
    latched_[static_cast<std::size_t>(key)] = false;
    return held_[static_cast<std::size_t>(key)];
}

bool KeyLatch::Hit(int key) {
    if (!Valid(key)) return false;
    const auto k = static_cast<std::size_t>(key);
    const bool hit = held_[k] || latched_[k];
    latched_[k] = false;
    return hit;
}

}  // namespace felux
