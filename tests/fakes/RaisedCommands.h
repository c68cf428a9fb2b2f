// What a fake input sink keeps of the commands raised into it: all of them in order, and the
// ones the player's command table holds for the command step marked in the pending record.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <vector>

#include "model/InputCommand.h"
#include "player/CommandTable.h"
#include "settings/ApplySettingsEdit.h"

namespace felux::test {

class RaisedCommands {
public:
    explicit RaisedCommands(PendingCommands& pending) : pending_(pending) {}

    // Records it; a plain command waiting for the command step is marked as the player marks it.
    void Record(const InputCommand& command) {
        raised.push_back(command);
        if (const auto* edit = std::get_if<EditSettings>(&command); edit && settings) ApplySettingsEdit(*settings, edit->edit);
        const PlayerCommand* plain = std::get_if<PlayerCommand>(&command);
        if (!plain) return;
        commands.push_back(*plain);
        AnyCommand any = *plain;
        const CommandRow& row = RowOf(any);
        if (row.timing == Timing::Step) row.mark(pending_, any);
    }
    long Count(PlayerCommand command) const { return std::ranges::count(commands, command); }
    // The raised plain commands among these, in order.
    std::vector<PlayerCommand> Only(std::initializer_list<PlayerCommand> wanted) const {
        std::vector<PlayerCommand> out;
        std::ranges::copy_if(commands, std::back_inserter(out),
                             [&](PlayerCommand c) { return std::ranges::find(wanted, c) != wanted.end(); });
        return out;
    }
    // The payloads of one kind, in order.
    template <class Payload>
    std::vector<Payload> All() const {
        std::vector<Payload> out;
        for (const InputCommand& c : raised)
            if (const Payload* p = std::get_if<Payload>(&c)) out.push_back(*p);
        return out;
    }
    // One field of each payload of one kind, in order.
    template <class Payload, class Field>
    std::vector<Field> Values(Field Payload::*field) const {
        std::vector<Field> out;
        for (const Payload& p : All<Payload>()) out.push_back(p.*field);
        return out;
    }

    std::vector<InputCommand> raised;
    std::vector<PlayerCommand> commands;
    // The settings the player's table edits as the inputs ask; none: the edits are only recorded.
    PlayerSettings* settings = nullptr;

private:
    PendingCommands& pending_;
};

}  // namespace felux::test
