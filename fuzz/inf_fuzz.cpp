// Any bytes given as "SetUp.INF": a description or none, and every name a
// description lists is one line of the file.
#include <setupkit/inf.h>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto inf = setupkit::parseInf(text);
    if (!inf)
        return 0;
    for (const auto& [name, entries] : inf->sections) {
        if (inf->section(name) != &entries)
            std::abort();
        for (const QString& entry : entries) {
            if (entry.isEmpty() || entry.contains(u'\n'))
                std::abort();
            (void)setupkit::isPlainFileName(entry);
        }
    }
    return 0;
}
