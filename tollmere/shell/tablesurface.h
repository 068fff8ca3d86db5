#pragma once
// The off-screen picture of the table: a background of the table colour with
// the outlines of the game's pile places, and a composition onto which the
// cards touching a repaint rectangle are copied before it goes to the screen.
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

    // Recomposes `area` of the table: the background, then the cards that
    // meet it, in paint order. Returns the part of Composition to copy to the
    // screen. The composition is made on first use: where the table is
    // composed straight onto the window's own picture it is never needed.
    Rect Paint(const Rect& area);
    // The same composition of `area` onto `target`, a picture of the client
    // area at this surface's ratio.
    void PaintOnto(QImage& target, const Rect& area);

    QImage Background;
    QImage Composition;
    QImage BackImage;

private:
    // A card's face as this surface draws it.
    const QImage& FaceOf(const Card& card);

    const CardDeck& deck_;
};

} // namespace tollmere
