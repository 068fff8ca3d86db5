// Window-sized images in large pages: laid out and painted exactly as plain
// QImages, on a large-page boundary, shared copy-on-write and unmapped with
// their last copy; and the pages of a picture populated in one step.
#include "platform/largeimage.h"

#include <QFile>
#include <QPainter>
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cstdint>

using namespace platform;

namespace {

// Something of everything on the surface: a fill, lines, an ellipse, a
// blended rectangle and single pixels near the end of the last line.
void scribble(QImage& image)
{
    image.fill(qRgb(0, 128, 0));
    QPainter painter(&image);
    painter.setPen(QPen(Qt::yellow, 3));
    painter.drawLine(0, 0, image.width() - 1, image.height() - 1);
    painter.setBrush(QColor(200, 30, 30));
    painter.drawEllipse(QRect(40, 30, image.width() / 2, image.height() / 3));
    painter.fillRect(QRect(image.width() / 3, 10, 77, image.height() - 20), QColor(0, 0, 255, 100));
    painter.end();
    image.setPixel(image.width() - 1, image.height() - 1, qRgb(1, 2, 3));
    image.setPixel(image.width() - 2, image.height() - 1, qRgb(4, 5, 6));
}

// Whether any mapping of this process covers `address`.
bool mapped(const void* address)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    const auto at = quintptr(address);
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const QList<QByteArray> range = line.left(line.indexOf(' ')).split('-');
        if (range.size() == 2 && range[0].toULongLong(nullptr, 16) <= at && at < range[1].toULongLong(nullptr, 16))
            return true;
    }
    return false;
}

constexpr std::uintptr_t LargePage = std::uintptr_t(2) << 20;

} // namespace

TEST(LargeImage, IsLaidOutAndPaintedExactlyAsAPlainImage)
{
    struct Case {
        QSize size;
        QImage::Format format;
    };
    // Window sizes and the odd ones: 24-bit lines that are no whole number
    // of words, and an image too small for a large page.
    const Case cases[] = {
        {{1440, 810}, QImage::Format_RGB32},
        {{960, 721}, QImage::Format_RGB32},
        {{1301, 900}, QImage::Format_ARGB32_Premultiplied},
        {{1001, 700}, QImage::Format_RGB888},
        {{120, 90}, QImage::Format_RGB32},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size.width() << "x" << c.size.height() << " format " << c.format);
        QImage large = largeImage(c.size, c.format);
        QImage plain(c.size, c.format);
        ASSERT_FALSE(large.isNull());
        EXPECT_EQ(large.size(), plain.size());
        EXPECT_EQ(large.format(), plain.format());
        EXPECT_EQ(large.bytesPerLine(), plain.bytesPerLine());
        EXPECT_EQ(large.sizeInBytes(), plain.sizeInBytes());
        scribble(large);
        scribble(plain);
        EXPECT_EQ(large, plain);
    }
}

TEST(LargeImage, AWindowSizedImageLiesOnALargePageBoundaryInFreshMemory)
{
    const QImage image = largeImage(QSize(1440, 810), QImage::Format_RGB32);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(std::uintptr_t(image.constBits()) % LargePage, 0u);
    const auto* words = reinterpret_cast<const quint32*>(image.constBits());
    const qsizetype count = image.sizeInBytes() / 4;
    qsizetype nonBlack = 0;
    for (qsizetype i = 0; i < count; ++i)
        nonBlack += words[i] != 0;
    EXPECT_EQ(nonBlack, 0);
}

TEST(LargeImage, CopiesAreSharedUntilWrittenAndTheLastOneUnmapsThePixels)
{
    const void* pixels = nullptr;
    {
        QImage original = largeImage(QSize(1024, 768), QImage::Format_RGB32);
        original.fill(qRgb(10, 20, 30));
        pixels = original.constBits();
        ASSERT_TRUE(mapped(pixels));

        QImage copy = original;
        EXPECT_EQ(copy.constBits(), pixels);
        copy.setPixel(5, 5, qRgb(255, 0, 0));
        EXPECT_NE(copy.constBits(), pixels);
        EXPECT_EQ(original.pixel(5, 5), qRgb(10, 20, 30));
        EXPECT_EQ(copy.pixel(5, 5), qRgb(255, 0, 0));

        QImage second = original;
        original = QImage();
        EXPECT_TRUE(mapped(pixels)) << "unmapped while a copy still shows it";
        EXPECT_EQ(second.pixel(700, 500), qRgb(10, 20, 30));
    }
    EXPECT_FALSE(mapped(pixels));
}

TEST(LargeImage, EmptySizesAndInvalidFormatsGiveNullImagesAsQImageDoes)
{
    EXPECT_TRUE(largeImage(QSize(0, 900), QImage::Format_RGB32).isNull());
    EXPECT_TRUE(largeImage(QSize(1400, -1), QImage::Format_RGB32).isNull());
    EXPECT_TRUE(largeImage(QSize(1400, 900), QImage::Format_Invalid).isNull());
}

namespace {

long minorFaults()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

} // namespace

TEST(PopulatePages, AFirstPaintAfterwardsTakesNoPageFaults)
{
    // A plain window-sized image: malloc'd in fresh memory, not yet written.
    QImage picture(1920, 1080, QImage::Format_RGB32);
    if (!populatePages(picture))
        GTEST_SKIP() << "this system cannot populate pages in one step";
    const long before = minorFaults();
    picture.fill(qRgb(128, 0, 128));
    // Unpopulated, the fill would fault once per 4 KiB page, about 2,000 times.
    EXPECT_LT(minorFaults() - before, 50);
    EXPECT_EQ(picture.pixel(1919, 1079), qRgb(128, 0, 128));
    EXPECT_FALSE(populatePages(QImage()));
}
