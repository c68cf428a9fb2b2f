// The cover picture in a native FLAC file's PICTURE metadata blocks.
#include "engine/FlacPicture.h"

#include <string>

#include "engine/PictureBlock.h"

namespace felux {
namespace {

constexpr unsigned kPictureBlock = 6;
constexpr unsigned kInvalidBlock = 127;
constexpr std::size_t kBlockHeaderSize = 4;

}  // namespace

std::optional<Id3v2Picture> ReadFlacPicture(const ByteSource& source) {
    std::uint64_t at = 0;
    const std::string head = source.read(0, kId3v2HeaderSize);
    if (const auto tag = Id3v2TagSize(head)) at = *tag;
    if (source.read(at, 4) != "fLaC") return std::nullopt;
    at += 4;
    std::optional<Id3v2Picture> chosen;
    std::size_t budget = kCoverReadBudget;
    for (bool last = false; !last;) {
        const std::string header = source.read(at, kBlockHeaderSize);
        if (header.size() < kBlockHeaderSize) break;
        const auto kind = static_cast<unsigned>(static_cast<unsigned char>(header[0]) & 0x7F);
        last = (static_cast<unsigned char>(header[0]) & 0x80) != 0;
        const auto length = static_cast<std::size_t>(ReadBigEndian(header, 1, 3));
        if (kind == kInvalidBlock) break;
        at += kBlockHeaderSize;
        if (kind == kPictureBlock && length <= kPictureBlockCap && length <= budget) {
            budget -= length;
            const std::string block = source.read(at, length);
            if (block.size() < length) break;  // the file ends within the block
            if (KeepPicture(chosen, ParsePictureBlock(block))) break;
        }
        at += length;
    }
    return chosen;
}

}  // namespace felux
