#include "platform/dib.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes toBytes(const QByteArray& a) {
    return Bytes(reinterpret_cast<const std::uint8_t*>(a.constData()),
                 reinterpret_cast<const std::uint8_t*>(a.constData()) + a.size());
}

QByteArray toArray(const Bytes& b) {
    return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
}

void append(Bytes& b, std::initializer_list<std::uint8_t> v) { b.insert(b.end(), v); }

void patchU32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

void patchU16(Bytes& b, std::size_t at, std::uint16_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

QImage indexedImage(int w, int h, QList<QRgb> table, const std::vector<int>& pixels) {
    QImage img(w, h, QImage::Format_Indexed8);
    img.setColorTable(table);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.scanLine(y)[x] = static_cast<uchar>(pixels[static_cast<std::size_t>(y * w + x)]);
    return img;
}

// 3 by 2, two colours (red, blue), rows 0 1 0 / 1 1 0.
QImage tiny4() { return indexedImage(3, 2, {qRgb(255, 0, 0), qRgb(0, 0, 255)}, {0, 1, 0, 1, 1, 0}); }

Bytes golden4() {
    Bytes b;
    append(b, {'B', 'M', 126, 0, 0, 0, 0, 0, 0, 0, 118, 0, 0, 0});
    append(b, {40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 4, 0, 0, 0, 0, 0,
               8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    append(b, {0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0x00}); // blue, green, red, 0
    b.insert(b.end(), 14 * 4, 0);
    append(b, {0x11, 0x00, 0x00, 0x00}); // bottom row first: 1 1 0, padded to 4 bytes
    append(b, {0x01, 0x00, 0x00, 0x00});
    return b;
}

// 2 by 2, three colours, rows 2 0 / 1 255 (entry 255 is padding black).
QImage tiny8() {
    return indexedImage(2, 2, {qRgb(1, 2, 3), qRgb(0x10, 0x20, 0x30), qRgb(255, 255, 255)},
                        {2, 0, 1, 255});
}

Bytes golden8() {
    Bytes b;
    append(b, {'B', 'M', 0x3E, 0x04, 0, 0, 0, 0, 0, 0, 0x36, 0x04, 0, 0});
    append(b, {40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 8, 0, 0, 0, 0, 0,
               8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    append(b, {3, 2, 1, 0, 0x30, 0x20, 0x10, 0, 0xFF, 0xFF, 0xFF, 0});
    b.insert(b.end(), 253 * 4, 0);
    append(b, {1, 255, 0, 0});
    append(b, {2, 0, 0, 0});
    return b;
}

TEST(DibWrite, EncodesFourAndEightBitFilesByteForByte) {
    EXPECT_EQ(toBytes(platform::writeDib(tiny4(), 4)), golden4());
    EXPECT_EQ(toBytes(platform::writeDib(tiny8(), 8)), golden8());
}

TEST(DibWrite, RefusesWhatCannotBeStored) {
    EXPECT_TRUE(platform::writeDib(tiny4(), 3).isEmpty());
    EXPECT_TRUE(platform::writeDib(QImage(2, 2, QImage::Format_RGB32), 8).isEmpty());
    QList<QRgb> seventeen(17, qRgb(9, 9, 9));
    EXPECT_TRUE(platform::writeDib(indexedImage(1, 1, seventeen, {16}), 4).isEmpty());
    // An index that four bits cannot hold is refused, not silently changed.
    EXPECT_TRUE(platform::writeDib(indexedImage(2, 1, {qRgb(1, 1, 1)}, {0, 16}), 4).isEmpty());
}

TEST(DibRead, ReadsGoldenFilesBack) {
    const auto four = platform::readDib(toArray(golden4()));
    ASSERT_TRUE(four.has_value());
    EXPECT_EQ(four->header.width, 3);
    EXPECT_EQ(four->header.height, 2);
    EXPECT_EQ(four->header.bitCount, 4);
    ASSERT_EQ(four->colourTable.size(), 16u);
    EXPECT_EQ(four->colourTable[0], qRgb(255, 0, 0));
    EXPECT_EQ(four->colourTable[1], qRgb(0, 0, 255));
    const int expected4[] = {0, 1, 0, 1, 1, 0};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(four->image.pixelIndex(i % 3, i / 3), expected4[i]) << i;
    EXPECT_EQ(four->image.pixel(1, 0), qRgb(0, 0, 255));

    const auto eight = platform::readDib(toArray(golden8()));
    ASSERT_TRUE(eight.has_value());
    ASSERT_EQ(eight->colourTable.size(), 256u);
    EXPECT_EQ(eight->colourTable[1], qRgb(0x10, 0x20, 0x30));
    EXPECT_EQ(eight->image.pixelIndex(0, 0), 2);
    EXPECT_EQ(eight->image.pixelIndex(1, 1), 255);
    EXPECT_EQ(eight->image.pixel(0, 0), qRgb(255, 255, 255));
}

TEST(DibRead, RoundTripsOddWidthsAndFullImages) {
    for (int bits : {4, 8}) {
        const int colours = 1 << bits;
        QList<QRgb> table;
        for (int i = 0; i < colours; ++i)
            table.append(qRgb(i * 7 % 256, i * 13 % 256, i * 29 % 256));
        for (int w : {1, 5, 71}) {
            std::vector<int> px;
            for (int i = 0; i < w * 96; ++i)
                px.push_back((i * 31 + i / w) % colours);
            const QImage img = indexedImage(w, 96, table, px);
            const auto back = platform::readDib(platform::writeDib(img, bits));
            ASSERT_TRUE(back.has_value()) << bits << " bits, width " << w;
            EXPECT_EQ(back->image, img) << bits << " bits, width " << w;
            EXPECT_EQ(back->image.colorTable(), table);
        }
    }
}

TEST(DibRead, ReadsOneBitTopDownRowsAndShortColourTables) {
    // 10 by 2, one bit, top-down (negative height), table of two entries.
    Bytes b;
    append(b, {'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0});
    append(b, {40, 0, 0, 0, 10, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 1, 0, 1, 0, 0, 0, 0, 0,
               8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0});
    append(b, {0, 0, 0, 0, 255, 255, 255, 0});
    append(b, {0b10110000, 0b01000000, 0, 0}); // first row shown at the top
    append(b, {0b00000000, 0b11000000, 0, 0});
    const auto dib = platform::readDib(toArray(b));
    ASSERT_TRUE(dib.has_value());
    EXPECT_EQ(dib->image.height(), 2);
    const int top[] = {1, 0, 1, 1, 0, 0, 0, 0, 0, 1};
    const int bottom[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1};
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(dib->image.pixelIndex(x, 0), top[x]) << x;
        EXPECT_EQ(dib->image.pixelIndex(x, 1), bottom[x]) << x;
    }
    EXPECT_EQ(dib->image.pixel(0, 0), qRgb(255, 255, 255));
}

TEST(DibRead, RejectsEveryTruncation) {
    for (const Bytes& full : {golden4(), golden8()}) {
        for (std::size_t len = 0; len < full.size(); ++len) {
            const Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(len));
            EXPECT_FALSE(platform::readDib(toArray(cut)).has_value()) << "length " << len;
        }
    }
}

TEST(DibRead, RejectsMalformedHeaders) {
    struct Case {
        std::string name;
        std::size_t at;
        std::uint32_t value;
        int width; // 2 or 4 bytes
    };
    const Case cases[] = {
        {"magic", 0, 'X' | ('M' << 8), 2},
        {"pixel offset past the end", 10, 10000, 4},
        {"pixel offset inside the colour table", 10, 100, 4},
        {"pixel offset inside the header", 10, 20, 4},
        {"header size too small", 14, 12, 4},
        {"header size past the file", 14, 100000, 4},
        {"zero width", 18, 0, 4},
        {"negative width", 18, 0xFFFFFFFF, 4},
        {"huge width", 18, 0x7FFFFFFF, 4},
        {"huge height", 22, 0x7FFFFFFF, 4},
        {"most negative height", 22, 0x80000000, 4},
        {"zero height", 22, 0, 4},
        {"width that overflows the pixel bytes", 18, 16384, 4},
        {"two planes", 26, 2, 2},
        {"bit count 3", 28, 3, 2},
        {"bit count 24", 28, 24, 2},
        {"bit count 0", 28, 0, 2},
        {"run-length compression", 30, 2, 4},
        {"seventeen colours in four bits", 46, 17, 4},
        {"colour count far too big", 46, 0xFFFFFFFF, 4},
    };
    for (const Case& c : cases) {
        Bytes b = golden4();
        if (c.width == 2)
            patchU16(b, c.at, static_cast<std::uint16_t>(c.value));
        else
            patchU32(b, c.at, c.value);
        EXPECT_FALSE(platform::readDib(toArray(b)).has_value()) << c.name;
    }
    Bytes b = golden8();
    patchU32(b, 18, 16384);
    patchU32(b, 22, 16384);
    EXPECT_FALSE(platform::readDib(toArray(b)).has_value()) << "huge 8-bit picture";
}

TEST(DibRead, AcceptsAPixelOffsetPastTheTableAndTrailingBytes) {
    // Writers may leave a gap before the pixels or bytes after them.
    Bytes b = golden4();
    b.insert(b.begin() + 118, {0xAA, 0xBB});
    patchU32(b, 10, 120);
    b.push_back(0x55);
    const auto dib = platform::readDib(toArray(b));
    ASSERT_TRUE(dib.has_value());
    EXPECT_EQ(dib->image, platform::readDib(toArray(golden4()))->image);
}

} // namespace
