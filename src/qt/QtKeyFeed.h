// Feeds key and mouse-button presses of all the player's windows into the key state.
#pragma once

#include <QObject>
#include <unordered_map>

#include "input/KeyLatch.h"

class QKeyEvent;

namespace felux {

class QtKeyFeed : public QObject {
    Q_OBJECT
public:
    explicit QtKeyFeed(KeyLatch& keys);

    // The poll's code for a key event: by the key's unshifted character in the current layout
    // (so SHIFT+2 is '2' and '[' is found wherever the layout puts it), else by the Qt key.
    // 0 when the key is not watched.
    static int KeyCode(const QKeyEvent& event);
    // The poll's code for an X keysym; 0 when it is not one of the watched keys.
    static int KeyCodeForKeysym(unsigned long keysym);
    // The poll's code for a Qt key, by the character the key produces; 0 when not watched.
    static int KeyCode(int qtKey);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyLatch& keys_;
    // What each physical key pressed, so its release matches even if SHIFT changed meanwhile.
    std::unordered_map<quint32, int> pressedByScanCode_;
};

}  // namespace felux
