// Feeds key and mouse-button presses of all the player's windows into the key state.
#include "qt/QtKeyFeed.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/Keys.h"

// Xlib after Qt: its event-name macros would otherwise replace QEvent's enumerators.
#include <X11/XKBlib.h>
#include <X11/keysym.h>
#undef KeyPress
#undef KeyRelease

namespace felux {
namespace {

// The keysym of the key's first level in the event's layout group; 0 without an X11 display.
unsigned long UnshiftedKeysym(const QKeyEvent& event) {
    const quint32 keycode = event.nativeScanCode();
    if (keycode < 8 || keycode > 255) return 0;  // X keycodes are 8..255
    const auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display) return 0;
    // Bits 13 and 14 of the core state carry the XKB group (the active layout).
    const auto group = static_cast<unsigned int>((event.nativeModifiers() >> 13) & 3u);
    return XkbKeycodeToKeysym(display, static_cast<KeyCode>(keycode), group, 0);
}

bool IsPlainCharacter(unsigned long keysym) { return keysym >= 0x20 && keysym <= 0x7E; }

}  // namespace

QtKeyFeed::QtKeyFeed(KeyLatch& keys) : keys_(keys) {}

int QtKeyFeed::KeyCodeForKeysym(unsigned long keysym) {
    if (keysym >= XK_a && keysym <= XK_z) return static_cast<int>('A' + (keysym - XK_a));
    if (keysym >= XK_A && keysym <= XK_Z) return static_cast<int>(keysym);
    if (keysym >= XK_0 && keysym <= XK_9) return static_cast<int>(keysym);
    switch (keysym) {
        case XK_comma:
            return vk::Comma;
        case XK_period:
            return vk::Period;
        case XK_minus:
        case XK_KP_Subtract:
            return vk::Minus;
        case XK_equal:
            return vk::Equals;
        case XK_bracketleft:
            return vk::BracketLeft;
        case XK_bracketright:
            return vk::BracketRight;
        case XK_space:
            return vk::Space;
        case XK_Return:
        case XK_KP_Enter:
            return vk::Return;
        case XK_Escape:
            return vk::Escape;
        case XK_Left:
            return vk::Left;
        case XK_Up:
            return vk::Up;
        case XK_Right:
            return vk::Right;
        case XK_Down:
            return vk::Down;
        case XK_Page_Up:
        case XK_KP_Page_Up:
            return vk::PageUp;
        case XK_Page_Down:
        case XK_KP_Page_Down:
            return vk::PageDown;
        case XK_Shift_L:
        case XK_Shift_R:
            return vk::Shift;
        case XK_Control_L:
        case XK_Control_R:
            return vk::Control;
        case XK_Alt_L:
        case XK_Alt_R:
        case XK_Meta_L:
        case XK_Meta_R:
        case XK_ISO_Level3_Shift:
            return vk::Alt;
        default:
            return 0;
    }
}

int QtKeyFeed::KeyCode(const QKeyEvent& event) {
    if (const unsigned long keysym = UnshiftedKeysym(event); keysym != 0) {
        if (const int code = KeyCodeForKeysym(keysym)) return code;
        // A plain character we do not watch stays unwatched whatever SHIFT makes of it.
        if (IsPlainCharacter(keysym)) return 0;
    }
    // No X11 display, or a key without a plain first level (the keypad, for one).
    return KeyCode(event.key());
}

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
        case Qt::Key_PageUp:
            return vk::PageUp;
        case Qt::Key_PageDown:
            return vk::PageDown;
        case Qt::Key_Minus:
            return vk::Minus;
        case Qt::Key_Equal:
            return vk::Equals;
        // Without the layout at hand: the shifted characters of the same keys on US and
        // Japanese layouts, where the two agree (SHIFT+2 differs, so it is left out).
        case Qt::Key_Exclam:
            return '1';
        case Qt::Key_NumberSign:
            return '3';
        case Qt::Key_Dollar:
            return '4';
        case Qt::Key_Percent:
            return '5';
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
            if (const int code = KeyCode(*ke)) {
                keys_.Press(code);
                pressedByScanCode_[ke->nativeScanCode()] = code;
            }
            break;
        }
        case QEvent::KeyRelease: {
            auto* ke = static_cast<QKeyEvent*>(event);
            if (ke->isAutoRepeat()) break;
            const auto it = pressedByScanCode_.find(ke->nativeScanCode());
            const int code = it != pressedByScanCode_.end() ? it->second : KeyCode(*ke);
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
