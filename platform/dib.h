#pragma once
// Device-independent bitmaps: the BMP files every program embeds as its bitmap
// resources, read (and, for our art generator, written) byte for byte.
#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

// The bitmap information header, field for field.
struct BitmapInfoHeader {
    std::uint32_t size = 40;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t sizeImage = 0;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
    std::uint32_t clrUsed = 0;
    std::uint32_t clrImportant = 0;
};

// A decoded bitmap: its header, its colour table (RGB values) and its pixels as
// a QImage (Format_Indexed8 for 4 and 8 bits per pixel).
struct Dib {
    BitmapInfoHeader header;
    std::vector<QRgb> colourTable;
    QImage image;
};

// Reads a BMP file (file header, info header, colour table, bottom-up rows,
// uncompressed, 4 or 8 bits per pixel). Anything malformed gives no bitmap.
std::optional<Dib> readDib(QByteArrayView bmpFile);

// Writes an indexed image as a BMP file with the given bit count (4 or 8); the
// colour table is the image's, padded with black to 2^bitCount entries.
QByteArray writeDib(const QImage& indexed, int bitCount);

// The bitmap resource `id` of `program` ("quenby", "tollmere"), as embedded
// with the Qt resource system under ":/<program>/bitmaps/<id>.bmp".
QString bitmapResourcePath(QStringView program, int id);
std::optional<Dib> loadBitmap(QStringView program, int id);

// Whether a picture's pure black is a colour or lets the table show through.
enum class Black { Opaque, Transparent };

// Bitmap `id` as a Format_RGB32 picture for a surface of device pixel ratio
// `ratio`, tagged with that ratio: the bitmap itself at 1 (and below), its
// twice-size drawing ":/<program>/bitmaps/<id>@2x.bmp" at 2, and at any other
// ratio that drawing scaled smoothly to platform::deviceSize. Scaling keeps a
// transparent black a clean cut-out. A null image when the bitmap is missing.
QImage loadBitmapImage(QStringView program, int id, qreal ratio, Black black = Black::Opaque);

} // namespace platform
