// The command table: one row per command the player takes, with when it acts and what carries it
// out, and the command step's own work between them, all in the order the step runs them.
#pragma once

#include <cstddef>
#include <span>
#include <type_traits>
#include <variant>

#include "model/PendingCommands.h"
#include "player/CommandPayloads.h"

namespace felux {

class Player;

enum class Timing {
    Now,    // carried out when raised
    Step,   // marked in the pending record when raised; the tick's command step carries it out
    Own,    // no command: the command step's own work, on every tick or when its own request is there
};

// Which command a row answers: the alternative of AnyCommand and, for a plain one, its value.
struct CommandKey {
    std::size_t kind;
    PlayerCommand plain;

    friend constexpr bool operator==(const CommandKey&, const CommandKey&) = default;
};

template <class T, class Variant>
struct AlternativeIndex;
template <class T, class... Ts>
struct AlternativeIndex<T, std::variant<Ts...>> {
    static constexpr std::size_t value = [] {
        std::size_t i = 0;
        (void)((std::is_same_v<T, Ts> ? true : (++i, false)) || ...);
        return i;
    }();
};

constexpr CommandKey KeyOf(PlayerCommand command) { return {0, command}; }
template <class Payload>
constexpr CommandKey KeyOf() {
    return {AlternativeIndex<Payload, AnyCommand>::value, PlayerCommand{}};
}
// The step's own work answers no command.
inline constexpr CommandKey kNoCommand{std::variant_size_v<AnyCommand>, PlayerCommand{}};
CommandKey KeyOf(const AnyCommand& command);

struct CommandRow {
    CommandKey key;
    Timing timing;
    // Only while a file is open. Those rows follow one another; whether a file is open is asked
    // once, as the first of them comes up, so that none of them closing it skips the rest.
    bool whileOpen = false;
    // Now: the handler.
    void (*act)(Player&, AnyCommand&) = nullptr;
    // Step: marks the command due in the pending record, with its payload.
    void (*mark)(PendingCommands&, AnyCommand&) = nullptr;
    // Whether the step runs the row: its mark is there. None: on every tick.
    bool (*due)(const PendingCommands&) = nullptr;
    // The mark the step clears before it runs the row, so that the handler may raise it anew.
    void (*clear)(PendingCommands&) = nullptr;
    // The step's handler, handed the pending record. None on a Step row: the Own row after it
    // that reads the mark carries it out.
    void (*run)(Player&, PendingCommands&) = nullptr;
};

// The row of a command; every command has exactly one.
const CommandRow& RowOf(const AnyCommand& command);

}  // namespace felux
