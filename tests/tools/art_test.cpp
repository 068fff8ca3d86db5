// The bitmaps and icons our generator draws, read back through the embedded
// resources exactly as the programs load them.
#include "platform/dib.h"
#include "quenby/resources/icon.h"
#include "quenby/table/faces.h"
#include "tollmere/games/faces.h"
#include "tollmere/resources/icon.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRect>

#include <array>
#include <map>
#include <set>
#include <vector>

namespace {

using platform::Dib;

const std::vector<int> kQuenbyBacks{183, 184, 185, 186, 189, 191, 192, 193};
const std::vector<int> kTollmereBacks{195, 205, 206, 213, 215, 216, 218, 219, 220};

std::vector<int> faces(const int (&table)[13][4]) {
    std::vector<int> ids;
    for (const auto& row : table)
        ids.insert(ids.end(), std::begin(row), std::end(row));
    return ids;
}

Dib load(const char16_t* program, int id) {
    const auto dib = platform::loadBitmap(program, id);
    EXPECT_TRUE(dib.has_value()) << "bitmap " << id;
    return dib.value_or(Dib{});
}

QImage rgb(const Dib& dib) { return dib.image.convertToFormat(QImage::Format_RGB32); }

bool isPureBlack(QRgb c) { return (c & 0xFFFFFF) == 0; }
bool isRedInk(QRgb c) { return qRed(c) >= 160 && qGreen(c) < 100 && qBlue(c) < 100; }
bool isReddish(QRgb c) { return qRed(c) > qGreen(c) + 80 && qRed(c) > qBlue(c) + 80; }

int count(const QImage& image, const QRect& area, bool (*test)(QRgb)) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += test(image.pixel(x, y)) ? 1 : 0;
    return n;
}

int differingPixels(const QImage& a, const QImage& b, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return n;
}

// Connected areas of ink (pixels far from the white of the card) inside `area`.
int inkBlobs(const QImage& image, const QRect& area) {
    auto ink = [&](int x, int y) {
        const QRgb c = image.pixel(x, y);
        return qRed(c) + qGreen(c) + qBlue(c) < 3 * 200 || isRedInk(c);
    };
    std::vector<char> seen(static_cast<std::size_t>(area.width() * area.height()), 0);
    int blobs = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            auto at = [&](int px, int py) -> char& {
                return seen[static_cast<std::size_t>((py - area.top()) * area.width() + px - area.left())];
            };
            if (at(x, y) || !ink(x, y))
                continue;
            ++blobs;
            std::vector<QPoint> stack{{x, y}};
            at(x, y) = 1;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + d;
                    if (area.contains(q) && !at(q.x(), q.y()) && ink(q.x(), q.y())) {
                        at(q.x(), q.y()) = 1;
                        stack.push_back(q);
                    }
                }
            }
        }
    return blobs;
}

void expectPairwiseDifferent(const char16_t* program, const std::vector<int>& ids) {
    std::map<int, QImage> images;
    for (int id : ids)
        images[id] = rgb(load(program, id));
    for (auto a = images.begin(); a != images.end(); ++a)
        for (auto b = std::next(a); b != images.end(); ++b)
            EXPECT_NE(a->second, b->second) << "bitmaps " << a->first << " and " << b->first;
}

TEST(QuenbyArt, EveryBitmapHasItsSizeDepthAndTheSharedColourTable) {
    const Dib palette = load(u"quenby", 170);
    ASSERT_EQ(palette.colourTable.size(), 256u);
    std::vector<int> ids = faces(quenby::FaceIds);
    ids.insert(ids.end(), kQuenbyBacks.begin(), kQuenbyBacks.end());
    ids.push_back(170);
    ids.push_back(196);
    for (int id : ids) {
        const Dib dib = load(u"quenby", id);
        EXPECT_EQ(dib.header.bitCount, 8) << id;
        const QSize expected = id == 196 ? QSize(275, 193) : QSize(71, 96);
        EXPECT_EQ(dib.image.size(), expected) << id;
        EXPECT_EQ(dib.colourTable, palette.colourTable) << id;
    }
    // Entry 0 is the title's transparent black, and black appears only once.
    EXPECT_EQ(palette.colourTable[0], qRgb(0, 0, 0));
    EXPECT_EQ(std::count(palette.colourTable.begin(), palette.colourTable.end(), qRgb(0, 0, 0)), 1);
}

TEST(TollmereArt, EveryBitmapHasItsSizeDepthAndTheSixteenColours) {
    std::map<int, QSize> sizes;
    for (int id : faces(tollmere::FaceIds))
        sizes[id] = QSize(71, 96);
    for (int id : kTollmereBacks)
        sizes[id] = QSize(71, 96);
    sizes[143] = QSize(380, 308);
    sizes[128] = QSize(341, 31);
    sizes[202] = QSize(96, 16);
    for (int id = 223; id <= 230; ++id)
        sizes[id] = QSize(31, 31);
    ASSERT_EQ(sizes.size(), 72u);
    const std::vector<QRgb> standard{
        qRgb(0, 0, 0),     qRgb(128, 0, 0), qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),   qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0), qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),   qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    for (const auto& [id, size] : sizes) {
        const Dib dib = load(u"tollmere", id);
        EXPECT_EQ(dib.header.bitCount, 4) << id;
        EXPECT_EQ(dib.image.size(), size) << id;
        EXPECT_EQ(dib.colourTable, standard) << id;
    }
}

TEST(CardArt, FacesAndBacksAreAllDifferent) {
    expectPairwiseDifferent(u"quenby", faces(quenby::FaceIds));
    expectPairwiseDifferent(u"tollmere", faces(tollmere::FaceIds));
    expectPairwiseDifferent(u"quenby", kQuenbyBacks);
    expectPairwiseDifferent(u"tollmere", kTollmereBacks);
}

TEST(CardArt, RedSuitsHaveRedInkAndBlackSuitsNone) {
    for (auto [program, table] : {std::pair{u"quenby", &quenby::FaceIds}, std::pair{u"tollmere", &tollmere::FaceIds}}) {
        for (int rank = 1; rank <= 13; ++rank)
            for (int suit = 0; suit < 4; ++suit) {
                const int id = (*table)[rank - 1][suit];
                const QImage face = rgb(load(program, id));
                const int red = count(face, face.rect(), isReddish);
                if (suit == 1 || suit == 2)
                    EXPECT_GT(count(face, face.rect(), isRedInk), 60) << id;
                else
                    EXPECT_EQ(red, 0) << id;
            }
    }
}

TEST(CardArt, NumberCardsShowTheirPipsAndCornersRepeatRotated) {
    // The pip field lies between the two index columns.
    const QRect field(15, 9, 41, 79);
    for (auto [program, table] : {std::pair{u"quenby", &quenby::FaceIds}, std::pair{u"tollmere", &tollmere::FaceIds}}) {
        for (int rank = 1; rank <= 10; ++rank)
            for (int suit = 0; suit < 4; ++suit) {
                const int id = (*table)[rank - 1][suit];
                const QImage face = rgb(load(program, id));
                // An ace shows one large pip (the spade adds a ring round it).
                if (rank == 1)
                    EXPECT_GE(count(face, field, [](QRgb c) { return qGray(c) < 200 || isRedInk(c); }), 300) << id;
                else
                    EXPECT_EQ(inkBlobs(face, field), rank) << id;
                // The bottom-right index is the top-left one turned half round
                // (up to a few edge pixels that rasterise differently).
                const QImage topLeft = face.copy(2, 2, 14, 24);
                const QImage bottomRight = face.copy(71 - 2 - 14, 96 - 2 - 24, 14, 24).mirrored(true, true);
                EXPECT_LE(differingPixels(topLeft, bottomRight, topLeft.rect()), 16) << id;
            }
    }
}

TEST(CardArt, TheIndexIsWholeInTheStripsThatFannedCardsShow) {
    // A covered card shows its top 20 rows in quenby's fans; tollmere's show
    // 30 rows, or the left 15 columns. Rank and suit lie wholly in the top 20
    // rows of the left 15 columns, with bare card below them.
    const QRect strip(3, 3, 12, 17); // inside the rounded corner
    const QRect below(1, 20, 14, 10);
    auto ink = [](QRgb c) { return qGray(c) < 200 || isRedInk(c); };
    for (auto [program, table] : {std::pair{u"quenby", &quenby::FaceIds}, std::pair{u"tollmere", &tollmere::FaceIds}}) {
        for (int rank = 1; rank <= 13; ++rank) {
            std::array<QImage, 4> strips;
            for (int suit = 0; suit < 4; ++suit) {
                const int id = (*table)[rank - 1][suit];
                const QImage face = rgb(load(program, id));
                EXPECT_EQ(count(face, below, ink), 0) << id;
                // Rank and suit apart ("10" is two figures).
                EXPECT_EQ(inkBlobs(face, strip), rank == 10 ? 3 : 2) << id;
                strips[suit] = face.copy(strip);
            }
            // Clubs from spades, diamonds from hearts: the suit signs differ.
            EXPECT_GE(differingPixels(strips[0], strips[3], strips[0].rect()), 12) << "rank " << rank;
            EXPECT_GE(differingPixels(strips[1], strips[2], strips[1].rect()), 12) << "rank " << rank;
        }
    }
}

TEST(CardArt, CourtsOfOneSuitDifferInTheirPanels) {
    const QRect panel(16, 11, 39, 74);
    for (auto [program, table] : {std::pair{u"quenby", &quenby::FaceIds}, std::pair{u"tollmere", &tollmere::FaceIds}}) {
        for (int suit = 0; suit < 4; ++suit) {
            const QImage jack = rgb(load(program, (*table)[10][suit]));
            const QImage queen = rgb(load(program, (*table)[11][suit]));
            const QImage king = rgb(load(program, (*table)[12][suit]));
            EXPECT_GT(differingPixels(jack, queen, panel), 400) << "suit " << suit;
            EXPECT_GT(differingPixels(queen, king, panel), 400) << "suit " << suit;
            EXPECT_GT(differingPixels(jack, king, panel), 400) << "suit " << suit;
        }
    }
}

TEST(QuenbyArt, PureBlackIsOnlyTheTitlesTransparentSurround) {
    const QImage title = rgb(load(u"quenby", 196));
    for (int x = 0; x < title.width(); ++x) {
        EXPECT_TRUE(isPureBlack(title.pixel(x, 0))) << x;
        EXPECT_TRUE(isPureBlack(title.pixel(x, title.height() - 1))) << x;
    }
    for (int y = 0; y < title.height(); ++y) {
        EXPECT_TRUE(isPureBlack(title.pixel(0, y))) << y;
        EXPECT_TRUE(isPureBlack(title.pixel(title.width() - 1, y))) << y;
    }
    // The ribbon with the name and the middle of the fanned cards are opaque.
    EXPECT_EQ(count(title, QRect(20, 136, 235, 48), isPureBlack), 0);
    EXPECT_EQ(count(title, QRect(120, 60, 35, 40), isPureBlack), 0);
    EXPECT_GT(count(title, title.rect(), isPureBlack), 10000);

    std::vector<int> opaque = faces(quenby::FaceIds);
    opaque.insert(opaque.end(), kQuenbyBacks.begin(), kQuenbyBacks.end());
    opaque.push_back(170);
    for (int id : opaque) {
        const QImage image = rgb(load(u"quenby", id));
        EXPECT_EQ(count(image, image.rect(), isPureBlack), 0) << id;
    }
}

TEST(TollmereArt, RecordPicturesAreTheGameButtons) {
    const QImage strip = rgb(load(u"tollmere", 128));
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(rgb(load(u"tollmere", 223 + i)), strip.copy(31 * i, 0, 31, 31)) << 223 + i;
    // The eleven buttons and the six tools are all different pictures.
    std::set<QByteArray> buttons;
    for (int i = 0; i < 11; ++i) {
        const QImage b = strip.copy(31 * i, 0, 31, 31);
        buttons.insert(QByteArray(reinterpret_cast<const char*>(b.constBits()), b.sizeInBytes()));
    }
    EXPECT_EQ(buttons.size(), 11u);
    const QImage tools = rgb(load(u"tollmere", 202));
    std::set<QByteArray> toolImages;
    for (int i = 0; i < 6; ++i) {
        const QImage t = tools.copy(16 * i, 0, 16, 16);
        toolImages.insert(QByteArray(reinterpret_cast<const char*>(t.constBits()), t.sizeInBytes()));
    }
    EXPECT_EQ(toolImages.size(), 6u);
}

TEST(ProgramIcons, ExistAtTheSizesWritten) {
    const QImage quenby(quenby_resources::windowIconPath());
    const QImage tollmere(tollmere_resources::windowIconPath());
    EXPECT_EQ(quenby.size(), QSize(256, 256));
    EXPECT_EQ(tollmere.size(), QSize(256, 256));
    EXPECT_NE(quenby, tollmere);
    const std::pair<const char*, int> files[] = {
        {QUENBY_ICON_PNG_48, 48}, {QUENBY_ICON_PNG, 256},     {TOLLMERE_ICON_PNG_48, 48},
        {TOLLMERE_ICON_PNG, 256}, {SETUP_ICON_PNG_48, 48}, {SETUP_ICON_PNG, 256}};
    for (const auto& [file, size] : files) {
        const QImage icon(QString::fromUtf8(file));
        EXPECT_EQ(icon.size(), QSize(size, size)) << file;
        // Transparent round the picture, opaque in its middle.
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << file;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size * 2 / 3)), 255) << file;
    }
}

} // namespace
