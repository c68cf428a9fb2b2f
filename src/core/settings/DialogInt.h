// Integer edit fields of the settings dialogs: reading them and the message for a refused value.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace felux {

// A field whose text is not an integer in its range; the dialog shows `message` and
// gives the field the focus.
template <typename Field>
struct EditFault {
    Field field;
    std::string message;
};

// Blanks around one optionally signed run of decimal digits; anything else, or a number
// beyond int, is not an integer.
std::optional<int> ParseDialogInt(std::string_view text);

// The message for text that is not an integer in min..max; nullopt when it is.
std::optional<std::string> CheckDialogInt(std::string_view text, int min, int max);
// The message for text that is not an integer at all; nullopt when it is.
std::optional<std::string> CheckDialogInt(std::string_view text);

}  // namespace felux
