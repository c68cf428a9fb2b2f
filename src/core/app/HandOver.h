// Files a second start hands to the running player: the message on the wire and its receipt.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace felux {

class Player;

// A message never grows past this; a longer one is refused whole rather than cut.
inline constexpr std::size_t kHandOverLimit = 256 * 1024;
inline constexpr std::size_t kHandOverMaxFiles = 4096;

// The running player's answer once it holds the whole message. A sender that gets none (a
// player with no room for another client closes at once) tries again.
inline constexpr std::string_view kHandOverReceipt = "OK\n";

// A header line, then each path followed by a NUL (paths may hold any byte but NUL), then one
// more NUL that ends the message. nullopt when the files do not fit the limits.
std::optional<std::string> EncodeHandOver(const std::vector<std::string>& files);
// nullopt for anything that is not a whole message within the limits, including the
// beginning of one still on its way.
std::optional<std::vector<std::string>> DecodeHandOver(std::string_view message);

// Appends the files (a list file adds its entries) and asks the next tick to play the first
// new entry. Returns the number of entries added. With a folder among them they are scanned
// as a drop of them is, over the next ticks, and 0 is returned.
std::size_t ReceiveHandedFiles(Player& player, const std::vector<std::string>& files, bool play);

}  // namespace felux
