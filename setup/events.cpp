#include "events.h"

#include <cstdint>

namespace setup {

int EventSum(const QByteArray& word)
{
    const auto code = [&](int i) { return i < word.size() ? int(static_cast<std::int8_t>(word[i])) : 0; };
    return static_cast<std::int16_t>(code(0) + (word.isEmpty() ? 0 : code(1)));
}

Event ClassifyEvent(const QByteArray& word)
{
    switch (EventSum(word)) {
    case 132: return Event::Cancel;
    case 131: return Event::Back;
    case 146: return Event::Continue;
    case 157: return Event::Exit;
    default: return Event::Other;
    }
}

QString WithTrailingSlash(const QString& dir)
{
    return dir.endsWith(u'/') ? dir : dir + u'/';
}

QString WithoutTrailingSlash(const QString& dir)
{
    return dir.endsWith(u'/') ? dir.chopped(1) : dir;
}

} // namespace setup
