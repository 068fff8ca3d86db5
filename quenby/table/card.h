#pragma once
// One playing card: where it lies, the image it shows and what it is.
#include <platform/rect.h>

#include <platform/dib.h>

#include <QImage>
#include <QPoint>
#include <memory>

namespace quenby {

using platform::Rect;

class Pile;

// Suits and the carousel directions are small multiples of 100.
enum Suit : int { Clubs = 100, Diamonds = 200, Hearts = 300, Spades = 400 };
enum Direction : int { Left = 100, Right = 200, Up = 300, Down = 400 };

// The ranks the rules name; the others are their own numbers (2 to 10).
namespace rank {
constexpr int Ace = 1;
constexpr int Jack = 11;
constexpr int Queen = 12;
constexpr int King = 13;
} // namespace rank

constexpr int CardWidth = 71;
constexpr int CardHeight = 96;
constexpr unsigned ImageLoadedFlag = 1u << 1;
// The title picture shown while no game is dealt; its black is transparent.
constexpr int TitleBitmap = 196;

// A bitmap resource decoded once and shared by every card that shows it:
// the resource's header and its pixels ready to be copied (Format_RGB32).
struct CardImage {
    platform::BitmapInfoHeader header;
    int colourCount = 0;
    QImage pixels;
    int id = 0;

    // The picture for a surface of `ratio`: `pixels` at 1, else drawn for
    // the ratio on first use and kept while the ratio stays.
    const QImage& At(qreal ratio) const;

private:
    mutable QImage dense_;
};

// The image of bitmap resource `id`, decoded on first use; null when it cannot
// be made (the card then keeps no image and is not painted).
std::shared_ptr<const CardImage> LoadCardImage(int id);

class Card {
public:
    // Shows `imageId` (which is also the face), places the card at (x, y).
    explicit Card(int imageId, unsigned flags = 0, int x = 0, int y = 0);

    // The face-table mapping from a face id to what the card is.
    static int RankOf(int faceId);
    static int SuitOf(int faceId);
    static int IsRedOf(int faceId);

    bool ShowImage(int id);
    void MoveTo(int x, int y);
    void MoveBy(int dx, int dy) { MoveTo(Bounds.left + dx, Bounds.top + dy); }

    int Left() const { return Bounds.left; }
    int Top() const { return Bounds.top; }
    int Width() const { return ImageHeader.width; }
    int Height() const { return ImageHeader.height < 0 ? -ImageHeader.height : ImageHeader.height; }
    // Face down exactly when the card shows the chosen back.
    bool IsFaceDown(int cardBackId) const { return ImageId == cardBackId; }

    Rect Bounds;
    std::shared_ptr<const CardImage> Bitmap;
    platform::BitmapInfoHeader ImageHeader{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    int ColourCount = 0;
    int ImageId = 0;
    unsigned Flags = 0;
    int ShuffleKey = 0;
    int FaceId = 0;
    int Rank = 0;
    int Suit = Spades;
    int IsRed = 0;
    QPoint GrabOffset;
    int Direction = Right;
    Pile* ReturnPile = nullptr;
};

} // namespace quenby
