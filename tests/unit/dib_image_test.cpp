// DibImage: loading 24-bit bitmaps, refusing damaged ones, clipped and keyed copies, drawing through the ports.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "FakePixelSink.h"
#include "FakeTextPainter.h"
#include "TempFolder.h"
#include "skin/DibImage.h"

namespace felux {
namespace {

using Bytes = std::vector<unsigned char>;

void Put16(Bytes& b, std::size_t at, unsigned v) {
    b[at] = static_cast<unsigned char>(v);
    b[at + 1] = static_cast<unsigned char>(v >> 8);
}
void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}

// A distinct colour for every pixel, so flips and offsets show.
Rgb Pattern(int x, int y) {
    return {static_cast<unsigned char>(10 + x), static_cast<unsigned char>(100 + y), static_cast<unsigned char>(x * y)};
}

// A .bmp file of the pattern; a negative height stores the rows top-down.
Bytes MakeBmp(int width, int height, std::uint32_t imageSizeField = 0) {
    const int rows = height < 0 ? -height : height;
    const int stride = (width * 3 + 3) & ~3;
    Bytes b(54 + static_cast<std::size_t>(stride * rows), 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    Put32(b, 10, 54);
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<std::uint32_t>(width));
    Put32(b, 22, static_cast<std::uint32_t>(height));
    Put16(b, 26, 1);
    Put16(b, 28, 24);
    Put32(b, 34, imageSizeField);
    for (int y = 0; y < rows; ++y) {
        const int fileRow = height < 0 ? y : rows - 1 - y;
        for (int x = 0; x < width; ++x) {
            const Rgb c = Pattern(x, y);
            const std::size_t at = 54 + static_cast<std::size_t>(fileRow * stride + 3 * x);
            b[at] = c.b;
            b[at + 1] = c.g;
            b[at + 2] = c.r;
        }
    }
    return b;
}

DibImage Loaded(const Bytes& b) {
    DibImage image;
    EXPECT_TRUE(image.LoadFromBytes(b));
    return image;
}

void ExpectPattern(const DibImage& image, int width, int height) {
    ASSERT_EQ(image.Width(), width);
    ASSERT_EQ(image.Height(), height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) ASSERT_EQ(image.PixelAt(x, y), Pattern(x, y)) << x << "," << y;
}

DibImage Solid(int w, int h, Rgb c) {
    DibImage image;
    EXPECT_TRUE(image.Create(w, h, c));
    return image;
}

TEST(DibImage, LoadsBothRowOrdersTheSameWayUp) {
    ExpectPattern(Loaded(MakeBmp(5, 4)), 5, 4);
    ExpectPattern(Loaded(MakeBmp(5, -4)), 5, 4);
    const DibImage padded = Loaded(MakeBmp(3, 2));
    EXPECT_EQ(padded.Stride(), 12) << "rows padded to four bytes";
    ExpectPattern(padded, 3, 2);
    ExpectPattern(Loaded(MakeBmp(7, 3, 0)), 7, 3);  // image size 0: computed from the rows
}

TEST(DibImage, RefusesForeignAndDamagedHeadersAndStaysEmpty) {
    const Bytes good = MakeBmp(4, 4);
    auto refused = [](const Bytes& b) {
        DibImage image;
        EXPECT_TRUE(image.Create(2, 2));
        const bool loaded = image.LoadFromBytes(b);
        return !loaded && image.Empty() && image.TopRow() == nullptr && !image.PixelAt(0, 0);
    };
    Bytes b = good;
    b[0] = 'P';
    EXPECT_TRUE(refused(b)) << "signature";
    EXPECT_TRUE(refused(Bytes(good.begin(), good.begin() + 20))) << "headers cut short";
    EXPECT_TRUE(refused(Bytes(good.begin(), good.end() - 1))) << "last row cut short";
    EXPECT_TRUE(refused({}));

    struct Field {
        std::size_t at;
        std::uint32_t value;
        bool wide;
        const char* why;
    };
    const Field damage[] = {
        {28, 32, false, "32 bits per pixel"},     {28, 8, false, "palette image"},
        {30, 1, true, "RLE compression"},         {26, 2, false, "two planes"},
        {18, 0, true, "zero width"},              {18, 0xFFFFFFFFu, true, "negative width"},
        {22, 0, true, "zero height"},             {22, 0x80000000u, true, "most negative height"},
        {18, 100000, true, "absurd width"},       {22, 100000, true, "absurd height"},
        {10, 20, true, "pixels inside headers"},  {10, 0xFFFFFFF0u, true, "pixels past the end"},
        {14, 12, true, "old core header"},        {14, 0x7FFFFFFFu, true, "info header past the end"},
    };
    for (const Field& f : damage) {
        b = good;
        if (f.wide)
            Put32(b, f.at, f.value);
        else
            Put16(b, f.at, f.value);
        EXPECT_TRUE(refused(b)) << f.why;
    }
}

TEST(DibImage, IgnoresAnImageSizeFieldLargerThanTheRows) {
    // Reading as many bytes as the field claims would run past the pixel memory.
    ExpectPattern(Loaded(MakeBmp(4, 3, 0x7FFFFFFFu)), 4, 3);
    // A colour table or a larger header before the pixels is stepped over.
    Bytes b = MakeBmp(2, 2);
    b.insert(b.begin() + 54, 16, 0xEE);
    Put32(b, 10, 70);
    ExpectPattern(Loaded(b), 2, 2);
}

TEST(DibImage, LoadsFilesAndRefusesWhatIsNotOne) {
    test::TempFolder dir;
    const Bytes good = MakeBmp(6, -5);
    const auto file = dir.Write("good.bmp", std::string(good.begin(), good.end()));
    DibImage image;
    ASSERT_TRUE(image.LoadFromFile(file));
    ExpectPattern(image, 6, 5);

    EXPECT_FALSE(image.LoadFromFile(dir.path() / "missing.bmp"));
    EXPECT_TRUE(image.Empty());
    EXPECT_FALSE(image.LoadFromFile(dir.path())) << "a folder";
    EXPECT_FALSE(image.LoadFromFile(dir.Write("short.bmp", std::string(good.begin(), good.end() - 3))));
    EXPECT_FALSE(image.LoadFromFile(dir.Write("text.bmp", "BM but not really a bitmap")));
}

TEST(DibImage, CopiesClipToBothImagesMovingTheSourceWithTheDestination) {
    const DibImage src = Loaded(MakeBmp(8, 8));
    const Rgb ground{1, 2, 3};

    DibImage dest = Solid(6, 6, ground);
    src.CopyRows(dest, -2, -3, 1, 1, 5, 5);  // hangs off the top left
    EXPECT_EQ(dest.PixelAt(0, 0), Pattern(3, 4));
    EXPECT_EQ(dest.PixelAt(2, 1), Pattern(5, 5));
    EXPECT_EQ(dest.PixelAt(3, 0), ground);
    EXPECT_EQ(dest.PixelAt(0, 2), ground);

    dest = Solid(6, 6, ground);
    src.CopyRows(dest, 4, 5, 0, 0, 8, 8);  // hangs off the bottom right
    EXPECT_EQ(dest.PixelAt(4, 5), Pattern(0, 0));
    EXPECT_EQ(dest.PixelAt(5, 5), Pattern(1, 0));
    EXPECT_EQ(dest.PixelAt(3, 5), ground);

    dest = Solid(6, 6, ground);
    src.CopyRows(dest, 0, 0, 6, -2, 4, 4);  // source hangs off the top right
    EXPECT_EQ(dest.PixelAt(0, 2), Pattern(6, 0));
    EXPECT_EQ(dest.PixelAt(1, 3), Pattern(7, 1));
    EXPECT_EQ(dest.PixelAt(2, 2), ground);
    EXPECT_EQ(dest.PixelAt(0, 1), ground);

    dest = Solid(6, 6, ground);
    const DibImage untouched = Solid(6, 6, ground);
    src.CopyRows(dest, 6, 0, 0, 0, 3, 3);
    src.CopyRows(dest, 0, 0, 8, 0, 3, 3);
    src.CopyRows(dest, 0, 0, 0, 0, -3, 3);
    src.CopyRows(dest, INT_MAX, INT_MAX, 0, 0, INT_MAX, INT_MAX);
    src.CopyKeyWhite(dest, INT_MIN, 0, 0, 0, INT_MAX, 2);
    src.CopyBlend(dest, 0, 0, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) ASSERT_EQ(dest.PixelAt(x, y), ground) << "nothing lands inside";
    src.CopyRows(dest, 0, 0, 0, 0, INT_MAX, INT_MAX);
    EXPECT_EQ(dest.PixelAt(5, 5), Pattern(5, 5)) << "huge sizes clip without overflow";

    DibImage empty;
    src.CopyRows(empty, 0, 0, 0, 0, 4, 4);
    empty.CopyRows(dest, 0, 0, 0, 0, 4, 4);
    EXPECT_TRUE(empty.Empty());
}

TEST(DibImage, CopiesWithinOneImageReadTheSourceBeforeWriting) {
    DibImage image = Loaded(MakeBmp(8, 8));
    image.CopyRows(image, 1, 1, 0, 0, 6, 6);  // overlapping, shifted down and right
    EXPECT_EQ(image.PixelAt(6, 6), Pattern(5, 5));
    EXPECT_EQ(image.PixelAt(1, 1), Pattern(0, 0));
    image = Loaded(MakeBmp(8, 8));
    image.CopyKeyBlack(image, 0, 0, 2, 2, 6, 6);  // shifted up and left
    EXPECT_EQ(image.PixelAt(0, 0), Pattern(2, 2));
    EXPECT_EQ(image.PixelAt(5, 5), Pattern(7, 7));
}

TEST(DibImage, KeyedCopiesLeaveOutTheirKeyColour) {
    const Rgb white{255, 255, 255}, black{0, 0, 0}, nearWhite{255, 255, 254}, red{200, 10, 10};
    DibImage src = Solid(4, 1, red);
    src.FillColor(0, 0, 1, 1, white);
    src.FillColor(1, 0, 1, 1, black);
    src.FillColor(2, 0, 1, 1, nearWhite);
    const Rgb ground{40, 50, 60};

    DibImage dest = Solid(4, 1, ground);
    src.CopyKeyWhite(dest, 0, 0, 0, 0, 4, 1);
    EXPECT_EQ(dest.PixelAt(0, 0), ground);
    EXPECT_EQ(dest.PixelAt(1, 0), black);
    EXPECT_EQ(dest.PixelAt(2, 0), nearWhite);
    EXPECT_EQ(dest.PixelAt(3, 0), red) << "the last column is copied too";

    dest = Solid(4, 1, ground);
    src.CopyKeyBlack(dest, 0, 0, 0, 0, 4, 1);
    EXPECT_EQ(dest.PixelAt(0, 0), white);
    EXPECT_EQ(dest.PixelAt(1, 0), ground);
    EXPECT_EQ(dest.PixelAt(3, 0), red);

    DibImage keyed = Solid(4, 1, ground);
    src.CopyKeyWhite(keyed, 0, 0, 0, 0, 4, 1);
    DibImage blended = Solid(4, 1, ground);
    src.CopyBlend(blended, 0, 0, 0, 0, 4, 1, 255);
    for (int x = 0; x < 4; ++x) EXPECT_EQ(blended.PixelAt(x, 0), keyed.PixelAt(x, 0)) << "level 255 is the source";
    blended = Solid(4, 1, ground);
    src.CopyBlend(blended, 0, 0, 0, 0, 4, 1, -255);
    for (int x = 0; x < 4; ++x) EXPECT_EQ(blended.PixelAt(x, 0), ground) << "level -255 changes nothing";
    src.CopyBlend(blended, 0, 0, 0, 0, 4, 1, 0);
    EXPECT_EQ(blended.PixelAt(0, 0), ground) << "white is left out of blends as well";
    EXPECT_EQ(blended.PixelAt(3, 0), (Rgb{120, 30, 35}));
}

TEST(DibImage, MixStaysBetweenItsTwoInputs) {
    EXPECT_EQ(Mix(100, 200, 0), 150);
    EXPECT_EQ(Mix(200, 100, 0), 150);
    EXPECT_EQ(Mix(0, 255, 255), 255);
    EXPECT_EQ(Mix(0, 255, -255), 0);
    EXPECT_EQ(Mix(0, 50, 100), 50) << "pushed past the source, held there";
    EXPECT_EQ(Mix(50, 0, 100), 0);
    EXPECT_EQ(Mix(0, 50, -200), 0);
    EXPECT_EQ(Mix(77, 77, -255), 77);
    EXPECT_EQ(Mix(10, 30, 1000), 30) << "levels beyond the range act as the ends";
    EXPECT_EQ(Mix(30, 10, -1000), 30);
    for (int d = 0; d < 256; d += 15)
        for (int s = 0; s < 256; s += 17)
            for (int level = -255; level <= 255; level += 51) {
                const int v = Mix(static_cast<unsigned char>(d), static_cast<unsigned char>(s), level);
                ASSERT_GE(v, std::min(d, s));
                ASSERT_LE(v, std::max(d, s));
            }
}

TEST(DibImage, FillsAndDrawsTextWithinTheImage) {
    DibImage image = Solid(20, 10, {9, 9, 9});
    image.FillColor(18, 8, 5, 5, {1, 200, 3});
    image.FillColor(-5, -5, 6, 6, {1, 200, 3});
    EXPECT_EQ(image.PixelAt(19, 9), (Rgb{1, 200, 3}));
    EXPECT_EQ(image.PixelAt(0, 0), (Rgb{1, 200, 3}));
    EXPECT_EQ(image.PixelAt(1, 1), (Rgb{9, 9, 9}));
    image.FillColor(0, 0, INT_MAX, INT_MAX, {4, 4, 4});
    EXPECT_EQ(image.PixelAt(19, 9), (Rgb{4, 4, 4}));

    test::FakeTextPainter painter;
    TextFont font;
    font.height = -8;
    EXPECT_EQ(image.DrawTextWidth(painter, "ab", 2, 1, font), 12 + 3);
    EXPECT_EQ(image.PixelAt(2, 1), (Rgb{0, 0, 0}));
    EXPECT_EQ(image.PixelAt(7, 1), (Rgb{255, 255, 255}));
    EXPECT_EQ(image.DrawTextHeight(painter, "abcdef", 15, 5, font), 8) << "clipped drawing still reports its size";

    DibImage empty;
    EXPECT_EQ(empty.DrawTextWidth(painter, "ab", 0, 0, font), 0);
    EXPECT_EQ(empty.DrawTextHeight(painter, "ab", 0, 0, font), 0);
    EXPECT_EQ(painter.draws, 2) << "an empty image draws nothing";
    empty.FillColor(0, 0, 5, 5, {});
    EXPECT_FALSE(empty.Create(0, 5));
    EXPECT_FALSE(empty.Create(5, DibImage::kMaxSide + 1));
}

TEST(DibImage, PresentsThePanelAndTheStretchedTextStrip) {
    DibImage canvas = Solid(640, 400, {5, 5, 5});
    canvas.FillColor(406, 92, 1, 1, {1, 2, 3});
    canvas.FillColor(320, 250, 1, 1, {7, 8, 9});
    canvas.FillColor(638, 265, 1, 1, {10, 11, 12});

    test::FakePixelSink sink;
    canvas.PaintTo(sink);
    EXPECT_EQ(sink.target, (Rect{0, 0, 407, 93}));
    EXPECT_EQ(sink.width, 407);
    EXPECT_EQ(sink.height, 93);
    EXPECT_EQ(sink.At(406, 92), (Rgb{1, 2, 3}));

    canvas.StretchTo(sink, 800, 600, 40, 16);
    EXPECT_EQ(sink.target, (Rect{0, 560, 800, 40}));
    EXPECT_EQ(sink.width, 319);
    EXPECT_EQ(sink.height, 16);
    EXPECT_EQ(sink.At(0, 0), (Rgb{7, 8, 9}));
    EXPECT_EQ(sink.At(318, 15), (Rgb{10, 11, 12}));

    canvas.StretchTo(sink, 800, 600, 40, 1000);
    EXPECT_EQ(sink.height, 150) << "the source stops at the image's bottom";
    const int before = sink.presents;
    canvas.StretchTo(sink, 800, 600, 0, 16);
    canvas.StretchTo(sink, 800, 600, 40, 0);
    DibImage().PaintTo(sink);
    DibImage small = Solid(100, 100, {});
    small.StretchTo(sink, 800, 600, 40, 16);
    EXPECT_EQ(sink.presents, before) << "nothing to show, nothing presented";
}

}  // namespace
}  // namespace felux
