// The player as the unit tests set it up and look inside it: its records and parts, which the
// program's own outside cannot reach.
#pragma once

#include "player/Player.h"

namespace felux::test {

class TestPlayer : public Player {
public:
    using Player::Player;

    using Player::state;
    using Player::Pending;
    using Player::abLoop;
    using Player::progressBar;
    using Player::settings;
    using Player::playlist;
    using Player::history;
    using Player::editor;
    using Player::volumeLog;
    using Player::graph;
    using Player::openFile;
    using Player::indexList;
    using Player::panelButtons;
    using Player::panelInput;
    using Player::videoInput;
    using Player::keyboard;
    using Player::wheel;
    using Player::mouse;
    using Player::volume;
    using Player::resume;
    using Player::layout;
    using Player::presenter;
    using Player::playback;
    using Player::drop;
    using Player::editorBridge;
    using Player::lines;
    using Player::tracks;
    using Player::popups;
    using Player::files;
    using Player::settingsBridge;
};

}  // namespace felux::test
