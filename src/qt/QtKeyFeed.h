// Feeds key and mouse-button presses of all the player's windows into the key state.
#pragma once

#include <QObject>
#include <unordered_map>

#include "input/KeyLatch.h"

namespace felux {

class QtKeyFeed : public QObject {
    Q_OBJECT
public:
    explicit QtKeyFeed(KeyLatch& keys);

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
