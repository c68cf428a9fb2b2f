// The cover picture of an MP4 / M4A file: the moov/udta/meta/ilst/covr atom.
#include "engine/Mp4Cover.h"

#include <string>
#include <string_view>

#include "engine/PictureBlock.h"

namespace felux {
namespace {

// Enough for every atom of a level of the metadata; more is taken as a broken file.
constexpr int kAtomsPerLevel = 4096;
constexpr unsigned kJpegData = 13;
constexpr unsigned kPngData = 14;

struct Atom {
    std::string type;
    std::uint64_t content = 0;  // where its content starts
    std::uint64_t end = 0;
};

// The atoms between `begin` and `end`, one by one; nullopt past the last or at a broken header.
class Atoms {
public:
    Atoms(const ByteSource& source, std::uint64_t begin, std::uint64_t end)
        : source_(source), at_(begin), end_(end) {}

    std::optional<Atom> Next() {
        if (count_++ >= kAtomsPerLevel || at_ > end_ || end_ - at_ < 8) return std::nullopt;
        const std::string header = source_.read(at_, 16);
        if (header.size() < 8) return std::nullopt;
        std::uint64_t size = ReadBigEndian(header, 0, 4);
        std::uint64_t headerSize = 8;
        if (size == 1) {  // a 64-bit size follows the type
            if (header.size() < 16) return std::nullopt;
            size = ReadBigEndian(header, 8, 8);
            headerSize = 16;
        } else if (size == 0) {  // to the end
            size = end_ - at_;
        }
        if (size < headerSize || size > end_ - at_) return std::nullopt;
        Atom atom{header.substr(4, 4), at_ + headerSize, at_ + size};
        at_ += size;
        return atom;
    }

private:
    const ByteSource& source_;
    std::uint64_t at_;
    std::uint64_t end_;
    int count_ = 0;
};

std::optional<Atom> Child(const ByteSource& source, std::uint64_t begin, std::uint64_t end, std::string_view type) {
    Atoms atoms(source, begin, end);
    while (const std::optional<Atom> atom = atoms.Next())
        if (atom->type == type) return atom;
    return std::nullopt;
}

// A data atom's picture: its type and locale, then the bytes.
std::optional<Id3v2Picture> DataPicture(const ByteSource& source, const Atom& data) {
    if (data.end - data.content < 8 || data.end - data.content - 8 > kId3v2PictureCap) return std::nullopt;
    const std::string content = source.read(data.content, static_cast<std::size_t>(data.end - data.content));
    if (content.size() != data.end - data.content) return std::nullopt;
    const auto kind = static_cast<unsigned>(ReadBigEndian(content, 0, 4) & 0xFFFFFF);
    const std::string_view bytes = std::string_view(content).substr(8);
    const std::optional<ImageFormat> format = ImageFormatOf(bytes);
    if (!format || (kind != 0 && kind != (*format == ImageFormat::Png ? kPngData : kJpegData))) return std::nullopt;
    return Id3v2Picture{*format, kFrontCover, std::string(bytes)};
}

}  // namespace

std::optional<Id3v2Picture> ReadMp4Cover(const ByteSource& source) {
    const std::optional<Atom> moov = Child(source, 0, source.size, "moov");
    const std::optional<Atom> udta = moov ? Child(source, moov->content, moov->end, "udta") : std::nullopt;
    std::optional<Atom> meta = udta ? Child(source, udta->content, udta->end, "meta") : std::nullopt;
    if (!meta) return std::nullopt;
    // meta is a full atom (version and flags first) in MP4, a plain one in QuickTime files.
    if (source.read(meta->content + 4, 4) != "hdlr") meta->content += 4;
    const std::optional<Atom> ilst = Child(source, meta->content, meta->end, "ilst");
    const std::optional<Atom> covr = ilst ? Child(source, ilst->content, ilst->end, "covr") : std::nullopt;
    if (!covr) return std::nullopt;
    Atoms pictures(source, covr->content, covr->end);
    while (const std::optional<Atom> data = pictures.Next())
        if (data->type == "data")
            if (std::optional<Id3v2Picture> picture = DataPicture(source, *data)) return picture;
    return std::nullopt;
}

}  // namespace felux
