// Feeds key and mouse-button presses of all the player's windows into the key state.
#include "qt/QtKeyFeed.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/Keys.h"

namespace felux {

QtKeyFeed::QtKeyFeed(KeyLatch& keys) : keys_(keys) {}

int QtKeyFeed::KeyCode(int qtKey) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return '0' + (qtKey - Qt::Key_0);
    switch (qtKey) {
        case Qt::Key_Control:
            return vk::Control;
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
            return vk::Alt;
        case Qt::Key_Shift:
            return vk::Shift;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return vk::Return;
        case Qt::Key_Escape:
            return vk::Escape;
        case Qt::Key_Space:
            return vk::Space;
        case Qt::Key_Left:
            return vk::Left;
        case Qt::Key_Right:
            return vk::Right;
        case Qt::Key_Up:
            return vk::Up;
        case Qt::Key_Down:
            return vk::Down;
        // The shifted characters of the same keys on US and Japanese layouts.
        case Qt::Key_Comma:
        case Qt::Key_Less:
            return vk::Comma;
        case Qt::Key_Period:
        case Qt::Key_Greater:
            return vk::Period;
        case Qt::Key_BracketLeft:
        case Qt::Key_BraceLeft:
            return vk::BracketLeft;
        case Qt::Key_BracketRight:
        case Qt::Key_BraceRight:
            return vk::BracketRight;
        default:
            return 0;
    }
}

bool QtKeyFeed::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* ke = static_cast<QKeyEvent*>(event);
            if (const int code = KeyCode(ke->key())) {
                keys_.Press(code);
                pressedByScanCode_[ke->nativeScanCode()] = code;
            }
            break;
        }
        case QEvent::KeyRelease: {
            auto* ke = static_cast<QKeyEvent*>(event);
            if (ke->isAutoRepeat()) break;
            const auto it = pressedByScanCode_.find(ke->nativeScanCode());
            const int code = it != pressedByScanCode_.end() ? it->second : KeyCode(ke->key());
            if (it != pressedByScanCode_.end()) pressedByScanCode_.erase(it);
            keys_.Release(code);
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease: {
            auto* me = static_cast<QMouseEvent*>(event);
            const int code = me->button() == Qt::LeftButton    ? vk::LButton
                             : me->button() == Qt::RightButton ? vk::RButton
                             : me->button() == Qt::MiddleButton ? vk::MButton
                                                                 : 0;
            if (event->type() == QEvent::MouseButtonRelease)
                keys_.Release(code);
            else
                keys_.Press(code);
            break;
        }
        case QEvent::ApplicationStateChange:
            if (QApplication::applicationState() != Qt::ApplicationActive) {
                keys_.ReleaseAll();
                pressedByScanCode_.clear();
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace felux
