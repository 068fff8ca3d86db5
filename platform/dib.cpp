#include "platform/dib.h"

#include "platform/density.h"

#include <QFile>

#include <cstdint>
#include <cstring>

namespace platform {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
// Larger than any picture a program shows; keeps width * height * 4 far from
// overflowing and stops a few header bytes from asking for gigabytes.
constexpr std::int64_t kMaxDimension = 1 << 14;

std::uint16_t readU16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t readU32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

void putU16(QByteArray& out, std::uint16_t v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>((v >> 8) & 0xFF));
}

void putU32(QByteArray& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
        out.append(static_cast<char>((v >> shift) & 0xFF));
}

// Bytes of one stored row: bits rounded up to whole 32-bit words.
std::int64_t rowStride(std::int64_t width, int bitCount) {
    return ((width * bitCount + 31) / 32) * 4;
}

} // namespace

std::optional<Dib> readDib(QByteArrayView bmpFile) {
    const auto* data = reinterpret_cast<const unsigned char*>(bmpFile.data());
    const std::int64_t fileSize = bmpFile.size();
    if (fileSize < static_cast<std::int64_t>(kFileHeaderSize + kInfoHeaderSize))
        return std::nullopt;
    if (data[0] != 'B' || data[1] != 'M')
        return std::nullopt;
    const std::int64_t pixelOffset = readU32(data + 10);

    const unsigned char* ih = data + kFileHeaderSize;
    Dib dib;
    BitmapInfoHeader& h = dib.header;
    h.size = readU32(ih);
    h.width = static_cast<std::int32_t>(readU32(ih + 4));
    h.height = static_cast<std::int32_t>(readU32(ih + 8));
    h.planes = readU16(ih + 12);
    h.bitCount = readU16(ih + 14);
    h.compression = readU32(ih + 16);
    h.sizeImage = readU32(ih + 20);
    h.xPelsPerMeter = static_cast<std::int32_t>(readU32(ih + 24));
    h.yPelsPerMeter = static_cast<std::int32_t>(readU32(ih + 28));
    h.clrUsed = readU32(ih + 32);
    h.clrImportant = readU32(ih + 36);

    // Later header versions only append fields, so the colour table follows
    // whatever size the header declares.
    if (h.size < kInfoHeaderSize || h.size > static_cast<std::uint32_t>(fileSize))
        return std::nullopt;
    if (h.planes != 1 || h.compression != 0)
        return std::nullopt;
    if (h.bitCount != 1 && h.bitCount != 4 && h.bitCount != 8)
        return std::nullopt;
    const std::int64_t width = h.width;
    const std::int64_t height = h.height < 0 ? -static_cast<std::int64_t>(h.height) : h.height;
    const bool topDown = h.height < 0;
    if (width <= 0 || height <= 0 || width > kMaxDimension || height > kMaxDimension)
        return std::nullopt;

    const std::int64_t maxColours = std::int64_t{1} << h.bitCount;
    if (h.clrUsed > static_cast<std::uint64_t>(maxColours))
        return std::nullopt;
    const std::int64_t colourCount = h.clrUsed == 0 ? maxColours : h.clrUsed;
    const std::int64_t tableStart = static_cast<std::int64_t>(kFileHeaderSize) + h.size;
    const std::int64_t tableEnd = tableStart + 4 * colourCount;
    const std::int64_t stride = rowStride(width, h.bitCount);
    if (pixelOffset < tableEnd || pixelOffset > fileSize)
        return std::nullopt;
    if (stride * height > fileSize - pixelOffset)
        return std::nullopt;

    dib.colourTable.reserve(static_cast<std::size_t>(colourCount));
    for (std::int64_t i = 0; i < colourCount; ++i) {
        const unsigned char* c = data + tableStart + 4 * i;
        dib.colourTable.push_back(qRgb(c[2], c[1], c[0]));
    }

    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_Indexed8);
    if (image.isNull())
        return std::nullopt;
    // Indices past a short table show black rather than reading undefined colours.
    QList<QRgb> table(dib.colourTable.begin(), dib.colourTable.end());
    while (table.size() < maxColours)
        table.append(qRgb(0, 0, 0));
    image.setColorTable(table);

    for (std::int64_t row = 0; row < height; ++row) {
        const std::int64_t y = topDown ? row : height - 1 - row;
        const unsigned char* src = data + pixelOffset + row * stride;
        uchar* dst = image.scanLine(static_cast<int>(y));
        for (std::int64_t x = 0; x < width; ++x) {
            switch (h.bitCount) {
            case 8:
                dst[x] = src[x];
                break;
            case 4:
                dst[x] = (x & 1) ? (src[x / 2] & 0x0F) : (src[x / 2] >> 4);
                break;
            default:
                dst[x] = (src[x / 8] >> (7 - (x & 7))) & 1;
                break;
            }
        }
    }
    dib.image = image;
    return dib;
}

QByteArray writeDib(const QImage& indexed, int bitCount) {
    if (bitCount != 4 && bitCount != 8)
        return {};
    if (indexed.isNull() || indexed.format() != QImage::Format_Indexed8)
        return {};
    const int colours = 1 << bitCount;
    QList<QRgb> table = indexed.colorTable();
    if (table.size() > colours)
        return {};
    while (table.size() < colours)
        table.append(qRgb(0, 0, 0));

    const int width = indexed.width();
    const int height = indexed.height();
    const auto stride = static_cast<std::uint32_t>(rowStride(width, bitCount));
    const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(height);
    const auto offset = static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize + 4 * colours);

    QByteArray out;
    out.reserve(static_cast<qsizetype>(offset + imageSize));
    out.append("BM", 2);
    putU32(out, offset + imageSize);
    putU16(out, 0);
    putU16(out, 0);
    putU32(out, offset);

    putU32(out, kInfoHeaderSize);
    putU32(out, static_cast<std::uint32_t>(width));
    putU32(out, static_cast<std::uint32_t>(height));
    putU16(out, 1);
    putU16(out, static_cast<std::uint16_t>(bitCount));
    putU32(out, 0); // uncompressed
    putU32(out, imageSize);
    putU32(out, 0);
    putU32(out, 0);
    putU32(out, 0); // every entry of the table is used
    putU32(out, 0);

    for (QRgb c : table) {
        out.append(static_cast<char>(qBlue(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c)));
        out.append('\0');
    }

    // An index the bit count cannot hold would be stored as another colour.
    for (int y = 0; y < height; ++y) {
        const uchar* src = indexed.constScanLine(y);
        for (int x = 0; x < width; ++x)
            if (src[x] >= colours)
                return {};
    }

    QByteArray row(static_cast<qsizetype>(stride), '\0');
    for (int y = height - 1; y >= 0; --y) {
        row.fill('\0');
        const uchar* src = indexed.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            const uchar index = src[x];
            if (bitCount == 8)
                row[x] = static_cast<char>(index);
            else if (x & 1)
                row[x / 2] = static_cast<char>(row[x / 2] | index);
            else
                row[x / 2] = static_cast<char>(index << 4);
        }
        out.append(row);
    }
    return out;
}

QString bitmapResourcePath(QStringView program, int id) {
    return QStringLiteral(":/%1/bitmaps/%2.bmp").arg(program).arg(id);
}

std::optional<Dib> loadBitmap(QStringView program, int id) {
    QFile file(bitmapResourcePath(program, id));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    return readDib(bytes);
}

} // namespace platform

namespace platform {

namespace {

std::optional<Dib> loadTwiceSize(QStringView program, int id)
{
    QFile file(QStringLiteral(":/%1/bitmaps/%2@2x.bmp").arg(program).arg(id));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return readDib(file.readAll());
}

// Smooth scaling would blend a transparent black into its neighbours' edges
// as a dark fringe: the black is made see-through for the scaling, and each
// pixel then comes out either opaque in its own colour or black again.
QImage scaledCutOut(const QImage& picture, QSize size)
{
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if ((line[x] & 0x00FFFFFF) == 0)
                line[x] = 0;
    }
    const QImage scaled = keyed.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                              .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_ARGB32);
    QImage out(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(scaled.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const QRgb c = from[x] | 0xFF000000;
            // An opaque pixel must not come out as the transparent colour.
            to[x] = qAlpha(from[x]) < 128 ? qRgb(0, 0, 0) : (c == 0xFF000000 ? qRgb(0, 0, 1) : c);
        }
    }
    return out;
}

} // namespace

QImage loadBitmapImage(QStringView program, int id, qreal ratio, Black black)
{
    // Above ratio 1 the twice-size drawing alone is read; the bitmap itself
    // only where that is missing.
    std::optional<Dib> source = ratio > 1 ? loadTwiceSize(program, id) : std::nullopt;
    const bool twice = source && !source->image.isNull();
    if (!twice)
        source = loadBitmap(program, id);
    if (!source || source->image.isNull())
        return {};
    QImage picture = source->image.convertToFormat(QImage::Format_RGB32);
    if (ratio <= 1)
        return picture;
    const QSize size = deviceSize(twice ? picture.size() / 2 : picture.size(), ratio);
    if (picture.size() != size)
        picture = black == Black::Transparent
                      ? scaledCutOut(picture, size)
                      : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

} // namespace platform
