// A part's command sink fake: the raised commands recorded, the pending ones marked in the
// test's own record, as the player's command table would mark them.
#pragma once

#include "RaisedCommands.h"
#include "model/InputCommand.h"

namespace felux::test {

class FakeCommandSink : public CommandSink, public RaisedCommands {
public:
    explicit FakeCommandSink(PendingCommands& pending) : RaisedCommands(pending) {}

    void Command(InputCommand command) override { Record(command); }
};

}  // namespace felux::test
