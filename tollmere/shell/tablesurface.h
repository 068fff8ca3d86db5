#pragma once
// The off-screen table: a background of the table colour with the outlines of
// the game's pile places, over which the cards touching a repaint rectangle
// are composed onto the picture the view paints.
#include <games/carddeck.h>
#include <platform/colour.h>

#include <QImage>
#include <QSize>

namespace tollmere {

// The back bitmap to draw for `cardBackId`: one of the nine backs, else the
// first.
int BackBitmap(int cardBackId);

class TableSurface {
public:
    // The background drawn for the client size, the deck's extent and the
    // game in play; the back loaded for the face-down cards. Its pictures are
    // in device pixels at `ratio` (tagged with it), placed in logical pixels.
    TableSurface(const CardDeck& deck, QSize client, int gameId, platform::ColorRef tableColour, int cardBackId,
                 qreal ratio = 1);

    // Composes `area` of the table onto `target`, a picture of the client
    // area at this surface's ratio: the background, then the cards that meet
    // it, in paint order.
    void PaintOnto(QImage& target, const Rect& area);

    QImage Background;
    QImage BackImage;

private:
    // A card's face as this surface draws it.
    const QImage& FaceOf(const Card& card);

    const CardDeck& deck_;
};

} // namespace tollmere
