#include "card.h"

#include "faces.h"

#include <map>

namespace quenby {

std::shared_ptr<const CardImage> LoadCardImage(int id)
{
    // Decoded once per id and kept for the run: sixty small images, shared by
    // every card that shows them, and a paint is then a plain copy.
    static std::map<int, std::shared_ptr<const CardImage>> cache;
    if (const auto it = cache.find(id); it != cache.end())
        return it->second;
    const std::optional<platform::Dib> dib = platform::loadBitmap(u"quenby", id);
    if (!dib || dib->image.isNull())
        return nullptr;
    auto image = std::make_shared<CardImage>();
    image->header = dib->header;
    image->colourCount = dib->header.bitCount <= 8 ? 1 << dib->header.bitCount : 0;
    image->pixels = dib->image.convertToFormat(QImage::Format_RGB32);
    image->id = id;
    cache.emplace(id, image);
    return image;
}

const QImage& CardImage::At(qreal ratio) const
{
    if (ratio <= 1)
        return pixels;
    if (dense_.isNull() || dense_.devicePixelRatio() != ratio) {
        // The title's black lets the table show through.
        const auto black = id == TitleBitmap ? platform::Black::Transparent : platform::Black::Opaque;
        dense_ = platform::loadBitmapImage(u"quenby", id, ratio, black);
        if (dense_.isNull())
            dense_ = pixels;
    }
    return dense_;
}

Card::Card(int imageId, unsigned flags, int x, int y) : Flags(flags)
{
    ShowImage(imageId);
    FaceId = imageId;
    Rank = RankOf(imageId);
    Suit = SuitOf(imageId);
    IsRed = IsRedOf(imageId);
    MoveTo(x, y);
}

int Card::RankOf(int faceId)
{
    for (int rank = 0; rank < 13; ++rank)
        for (int id : FaceIds[rank])
            if (id == faceId)
                return rank + 1;
    return 0;
}

int Card::SuitOf(int faceId)
{
    // By id ranges: the Queen of spades (130) and anything unknown fall to
    // spades.
    if (faceId >= 131 && faceId <= 143)
        return Clubs;
    if (faceId >= 144 && faceId <= 156)
        return Diamonds;
    if (faceId >= 157 && faceId <= 169)
        return Hearts;
    return Spades;
}

int Card::IsRedOf(int faceId) { return faceId >= 144 && faceId <= 169 ? 1 : 0; }

bool Card::ShowImage(int id)
{
    ImageId = id;
    Bitmap = LoadCardImage(id);
    Flags |= ImageLoadedFlag;
    if (!Bitmap) {
        // Without its picture a card keeps the size of a card so that the
        // table still works; it is simply not painted.
        ImageHeader = platform::BitmapInfoHeader{};
        ImageHeader.width = CardWidth;
        ImageHeader.height = CardHeight;
        ColourCount = 0;
        MoveTo(Bounds.left, Bounds.top);
        return false;
    }
    ImageHeader = Bitmap->header;
    ColourCount = Bitmap->colourCount;
    MoveTo(Bounds.left, Bounds.top);
    return true;
}

void Card::MoveTo(int x, int y) { Bounds = Rect::At(x, y, Width(), Height()); }

} // namespace quenby
