// Any bytes given as a bitmap: a bitmap or none, and a bitmap read is whole.
#include <platform/dib.h>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto dib = platform::readDib(QByteArrayView(data, qsizetype(size)));
    if (!dib)
        return 0;
    const QImage& image = dib->image;
    if (image.width() != dib->header.width || image.height() != std::abs(qint64(dib->header.height)))
        std::abort();
    // Every pixel names an entry of the image's table, so painting never reads past it.
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            if (line[x] >= image.colorCount())
                std::abort();
    }
    return 0;
}
