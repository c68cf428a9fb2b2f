// Files a second start hands to the running player: the message on the wire and its receipt.
#include "app/HandOver.h"

#include "player/Player.h"
#include "playlist/FolderScan.h"

namespace felux {
namespace {

constexpr std::string_view kHeader = "FELUX-OPEN 2\n";

}  // namespace

std::optional<std::string> EncodeHandOver(const std::vector<std::string>& files) {
    if (files.empty() || files.size() > kHandOverMaxFiles) return std::nullopt;
    std::string out(kHeader);
    for (const std::string& f : files) {
        if (f.empty() || f.find('\0') != std::string::npos) return std::nullopt;
        out += f;
        out += '\0';
        // Room is kept for the final NUL.
        if (out.size() >= kHandOverLimit) return std::nullopt;
    }
    out += '\0';
    return out;
}

std::optional<std::vector<std::string>> DecodeHandOver(std::string_view message) {
    if (message.size() > kHandOverLimit || message.substr(0, kHeader.size()) != kHeader) return std::nullopt;
    message.remove_prefix(kHeader.size());
    std::vector<std::string> files;
    for (;;) {
        const std::size_t end = message.find('\0');
        // A message cut short ends without its final NUL: nothing of it is trusted.
        if (end == std::string_view::npos) return std::nullopt;
        // The empty name ends the message; nothing may follow it.
        if (end == 0) {
            if (files.empty() || message.size() != 1) return std::nullopt;
            return files;
        }
        if (files.size() == kHandOverMaxFiles) return std::nullopt;
        files.emplace_back(message.substr(0, end));
        message.remove_prefix(end + 1);
    }
}

std::size_t ReceiveHandedFiles(Player& player, const std::vector<std::string>& files, bool play) {
    // A folder's files come in over the ticks: none counts as added now.
    const bool folder = AnyFolder(files);
    const std::size_t before = player.View().List().Size();
    player.Command(HandInFiles{files, play});
    return folder ? 0 : player.View().List().Size() - before;
}

}  // namespace felux
