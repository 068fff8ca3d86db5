#include "tablestate.h"

#include "tablesurface.h"

#include <platform/sound.h>

namespace quenby {

TableState::TableState() = default;

TableState::~TableState()
{
    // The paint order only refers to cards: empty it before anything that
    // owns them goes.
    PaintList.RemoveAll();
}

void TableState::PlaySound(const char* fileName) const
{
    if (SoundOn)
        platform::playSound(QString::fromLatin1(fileName));
}

} // namespace quenby
