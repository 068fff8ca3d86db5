#include "inf.h"

#include <QFile>
#include <QFileInfo>

namespace setupkit {

const QStringList* Inf::section(const QString& name) const
{
    auto it = sections.find(name.toCaseFolded());
    return it == sections.end() ? nullptr : &it->second;
}

std::optional<Inf> parseInf(const QByteArray& text)
{
    Inf inf;
    QStringList* current = nullptr;
    for (const QByteArray& raw : text.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[')) {
            if (!line.endsWith(u']') || line.size() < 3)
                return std::nullopt;
            current = &inf.sections[line.mid(1, line.size() - 2).trimmed().toCaseFolded()];
            continue;
        }
        if (!current)
            return std::nullopt;
        current->append(line);
    }
    return inf;
}

std::optional<Inf> readInf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > maxInfBytes)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray text = file.read(maxInfBytes + 1);
    if (text.size() > maxInfBytes)
        return std::nullopt;
    return parseInf(text);
}

bool isPlainFileName(const QString& name)
{
    if (name.isEmpty() || name == u"." || name == u".." || name.contains(u'/'))
        return false;
    for (QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

} // namespace setupkit
