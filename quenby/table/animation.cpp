#include "animation.h"

#include "tablestate.h"

namespace quenby {

void CarouselLayout(TableState& table)
{
    const int cx = table.ClientSize.width() / 2;
    const int cy = table.ClientSize.height() / 2;
    int index = 0;
    for (Card* card : table.PaintList) {
        if (index >= 52)
            break;
        const int side = index / 13;
        const int k = index % 13;
        const int w = card->Width();
        const int h = card->Height();
        switch (side) {
        case 0:
            card->MoveTo(cx - 137 + 5 * k, cy - 197);
            card->Direction = Right;
            break;
        case 1:
            card->MoveTo(cx + 142, cy - 96 + 5 * k);
            card->Direction = Down;
            break;
        case 2:
            card->MoveTo(cx - w + 137 - 5 * k, cy + 101);
            card->Direction = Left;
            break;
        default:
            card->MoveTo(cx - w - 142, cy - h + 96 - 5 * k);
            card->Direction = Up;
            break;
        }
        ++index;
    }
}

void CarouselStep(const TableState& table, Card& card)
{
    const int cx = table.ClientSize.width() / 2;
    const int cy = table.ClientSize.height() / 2;
    const int w = card.Width();
    const int h = card.Height();
    switch (card.Direction) {
    case Right:
        card.MoveBy(5, 0);
        if (card.Left() > cx + 142) {
            card.MoveTo(cx + 142, cy - 96);
            card.Direction = Down;
        }
        break;
    case Down:
        card.MoveBy(0, 5);
        if (card.Top() > cy + 101) {
            card.MoveTo(cx - w + 137, cy + 101);
            card.Direction = Left;
        }
        break;
    case Left:
        card.MoveBy(-5, 0);
        if (card.Left() + w < cx - 142) {
            card.MoveTo(cx - w - 142, cy - h + 96);
            card.Direction = Up;
        }
        break;
    case Up:
        card.MoveBy(0, -5);
        if (card.Top() + h < cy - 101) {
            card.MoveTo(cx - 137, cy - 197);
            card.Direction = Right;
        }
        break;
    default:
        break; // a card with no carousel direction stays put
    }
}

// A jump of 0, 1, 8, 9, 16, 17, 24 or 25 pixels, its sign from a first draw.
static int DanceStep(Random& random)
{
    const bool forward = random.Next() & 1;
    const int size = random.Next() & 25;
    return forward ? size : -size;
}

void WinDanceStep(TableState& table, Card& card)
{
    const int dx = DanceStep(table.Generator);
    card.MoveBy(dx, 0);
    const int dy = DanceStep(table.Generator);
    card.MoveBy(0, dy);
    const int width = table.ClientSize.width();
    const int height = table.ClientSize.height();
    if (card.Left() < 0)
        card.MoveTo(0, card.Top());
    if (card.Top() < 0)
        card.MoveTo(card.Left(), 0);
    if (card.Left() + card.Width() > width)
        card.MoveTo(width - card.Width(), card.Top());
    if (card.Top() + card.Height() > height)
        card.MoveTo(card.Left(), height - card.Height());
}

void Tick(TableState& table)
{
    const bool won = table.GameTable.Won == 1;
    for (Card* card : table.PaintList) {
        table.DirtyRect.Unite(card->Bounds);
        if (won)
            WinDanceStep(table, *card);
        else
            CarouselStep(table, *card);
        table.DirtyRect.Unite(card->Bounds);
    }
}

} // namespace quenby
