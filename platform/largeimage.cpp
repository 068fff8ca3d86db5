#include "platform/largeimage.h"

#include <sys/mman.h>

#include <cstdint>

namespace platform {

namespace {

constexpr std::size_t LargePage = std::size_t(2) << 20;
constexpr std::size_t SmallPage = 4096;

struct Mapping {
    void* address;
    std::size_t length;
};

void unmap(void* info)
{
    const auto* mapping = static_cast<Mapping*>(info);
    munmap(mapping->address, mapping->length);
    delete mapping;
}

std::size_t roundUp(std::size_t value, std::size_t unit) { return (value + unit - 1) / unit * unit; }

} // namespace

QImage largeImage(QSize size, QImage::Format format)
{
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    if (size.isEmpty() || format == QImage::Format_Invalid || depth == 0)
        return QImage(size, format);
    // The line length QImage gives its own images: whole 32-bit words.
    const std::size_t lineBytes = (std::size_t(size.width()) * std::size_t(depth) + 31) / 32 * 4;
    const std::size_t bytes = roundUp(lineBytes * std::size_t(size.height()), SmallPage);
    if (bytes < LargePage || lineBytes > std::size_t(INT32_MAX))
        return QImage(size, format);

    // Over-allocated by a large page, then cut to a large-page boundary: only
    // whole aligned 2 MiB stretches can be mapped as large pages.
    const std::size_t reserved = bytes + LargePage;
    void* base = mmap(nullptr, reserved, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (base == MAP_FAILED)
        return QImage(size, format);
    const auto start = std::uintptr_t(base);
    const std::uintptr_t aligned = roundUp(start, LargePage);
    if (aligned > start)
        munmap(base, aligned - start);
    const std::uintptr_t end = start + reserved;
    if (end > aligned + bytes)
        munmap(reinterpret_cast<void*>(aligned + bytes), end - (aligned + bytes));
    auto* pixels = reinterpret_cast<uchar*>(aligned);
    // Only advice: refused, the memory is still good in small pages.
    madvise(pixels, bytes, MADV_HUGEPAGE);

    auto* mapping = new Mapping{pixels, bytes};
    QImage image(pixels, size.width(), size.height(), qsizetype(lineBytes), format, unmap, mapping);
    if (image.isNull()) {
        unmap(mapping);
        return QImage(size, format);
    }
    return image;
}

bool populatePages(const QImage& image)
{
#ifdef MADV_POPULATE_WRITE
    if (image.isNull())
        return false;
    const auto start = std::uintptr_t(image.constBits()) / SmallPage * SmallPage;
    const auto end = std::uintptr_t(image.constBits()) + std::uintptr_t(image.sizeInBytes());
    return madvise(reinterpret_cast<void*>(start), end - start, MADV_POPULATE_WRITE) == 0;
#else
    Q_UNUSED(image);
    return false;
#endif
}

} // namespace platform
