// The picture structure of FLAC's PICTURE blocks, and image formats by their bytes.
#include "engine/PictureBlock.h"

#include <algorithm>
#include <string>

#include "engine/ByteSource.h"

namespace felux {

std::optional<ImageFormat> ImageFormatOf(std::string_view data) {
    if (data.starts_with("\xFF\xD8\xFF")) return ImageFormat::Jpeg;
    if (data.starts_with("\x89PNG\r\n\x1A\n")) return ImageFormat::Png;
    return std::nullopt;
}

std::optional<ImageFormat> ImageFormatNamed(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    if (lower == "image/jpeg" || lower == "image/jpg" || lower == "jpg") return ImageFormat::Jpeg;
    if (lower == "image/png" || lower == "png") return ImageFormat::Png;
    return std::nullopt;
}

std::optional<Id3v2Picture> ParsePictureBlock(std::string_view block) {
    // Each length is checked against what is left, so no sum can wrap.
    std::size_t at = 0;
    const auto field = [&block, &at](std::size_t length) -> std::optional<std::string_view> {
        if (length > block.size() - at) return std::nullopt;
        const std::string_view out = block.substr(at, length);
        at += length;
        return out;
    };
    const auto number = [&field]() -> std::optional<std::size_t> {
        const auto bytes = field(4);
        if (!bytes) return std::nullopt;
        return static_cast<std::size_t>(ReadBigEndian(*bytes, 0, 4));
    };
    const auto type = number();
    const auto mimeLength = type ? number() : std::nullopt;
    const auto mime = mimeLength ? field(*mimeLength) : std::nullopt;
    const auto descriptionLength = mime ? number() : std::nullopt;
    if (!descriptionLength || !field(*descriptionLength) || !field(16)) return std::nullopt;
    const auto dataLength = number();
    if (!dataLength || *dataLength > kId3v2PictureCap) return std::nullopt;
    const auto data = field(*dataLength);
    if (!data) return std::nullopt;
    const std::optional<ImageFormat> format = ImageFormatOf(*data);
    if (!format || (!mime->empty() && ImageFormatNamed(*mime) != format)) return std::nullopt;
    return Id3v2Picture{*format, static_cast<int>(std::min<std::size_t>(*type, 255)), std::string(*data)};
}

bool KeepPicture(std::optional<Id3v2Picture>& chosen, std::optional<Id3v2Picture> found) {
    if (found && (!chosen || (found->type == kFrontCover && chosen->type != kFrontCover))) chosen = std::move(found);
    return chosen && chosen->type == kFrontCover;
}

}  // namespace felux
