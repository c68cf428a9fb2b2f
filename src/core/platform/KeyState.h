// Port: asynchronous key and mouse-button state of all the player's windows.
#pragma once

namespace felux {

class KeyState {
public:
    virtual ~KeyState() = default;
    // Held now, or (a keyboard key) pressed since the last poll ended: a tap shorter than a
    // tick counts as held for one poll. Clears the key's pressed-since-last-query latch.
    virtual bool Down(int key) = 0;
    // Held now, or pressed since the last query of that key. Clears the latch.
    virtual bool Hit(int key) = 0;
    // The same on a record of full screen's own: the keyboard poll queries the mouse buttons
    // earlier in the same tick, and a click shorter than a tick would otherwise be lost.
    virtual bool FullScreenHit(int key) = 0;
    // A key-up that did not come from the device, so that a held button counts as released.
    virtual void Release(int key) = 0;
    // The poll has seen this tick's keys: a tap it saw no longer counts as held.
    virtual void EndPoll() = 0;
};

}  // namespace felux
