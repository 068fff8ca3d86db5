// artgen: draws every bitmap and icon of our programs.
//   artgen --out-dir DIR [--program quenby|tollmere|setup]...
//       writes DIR/<program>/<id>.bmp, its twice-size drawing
//       DIR/<program>/<id>@2x.bmp and DIR/icons/<program>-<size>.png
//   artgen --contact-sheet FILE.png
//       one labelled sheet with every bitmap of both programs
#include "catalogue.h"

#include "platform/dib.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>
#include <QBuffer>

#include <cstdio>

namespace {

// Our own copies of the DejaVu faces, so that text never depends on what
// the font configuration would substitute.
void loadFonts() {
    for (const char* file : {"DejaVuSans-Bold.ttf", "DejaVuSerif-Bold.ttf", "DejaVuSans.ttf"})
        QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/truetype/dejavu/") +
                                          QLatin1String(file));
}

// Writes only when the bytes differ, so an unchanged picture keeps its time
// stamp and nothing downstream rebuilds.
bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return true;
    existing.close();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

bool writeBitmaps(const QString& dir, const std::vector<artgen::Bitmap>& bitmaps, QLatin1String suffix) {
    if (!QDir().mkpath(dir))
        return false;
    for (const artgen::Bitmap& b : bitmaps)
        if (!writeFile(QStringLiteral("%1/%2%3.bmp").arg(dir).arg(b.id).arg(suffix),
                       platform::writeDib(b.image, b.bitCount)))
            return false;
    return true;
}

// Each bitmap at its own size and again at twice it.
template <typename Catalogue>
bool writeBothSizes(const QString& dir, Catalogue bitmapsAt) {
    return writeBitmaps(dir, bitmapsAt(1), QLatin1String("")) && writeBitmaps(dir, bitmapsAt(2), QLatin1String("@2x"));
}

bool writeIcons(const QString& dir, const QString& program) {
    if (!QDir().mkpath(dir))
        return false;
    for (const artgen::Icon& icon : artgen::programIcons(program))
        if (!writeFile(QStringLiteral("%1/%2-%3.png").arg(dir, program).arg(icon.size), pngBytes(icon.image)))
            return false;
    return true;
}

// Lays the bitmaps out left to right in rows, each with its id and label
// underneath; returns the height used.
int drawSection(QPainter* p, int top, int width, const QString& title, const std::vector<artgen::Bitmap>& bitmaps) {
    constexpr int gap = 10, labelHeight = 28;
    QFont heading(QStringLiteral("DejaVu Sans"));
    heading.setPixelSize(20);
    heading.setBold(true);
    QFont label(QStringLiteral("DejaVu Sans"));
    label.setPixelSize(11);
    if (p) {
        p->setFont(heading);
        p->setPen(Qt::white);
        p->drawText(gap, top + 24, title);
    }
    int x = gap, y = top + 36, rowHeight = 0;
    for (const artgen::Bitmap& b : bitmaps) {
        const QSize size = b.image.size();
        const int cellWidth = std::max(size.width(), 60);
        if (x + cellWidth > width - gap) {
            x = gap;
            y += rowHeight + labelHeight + gap;
            rowHeight = 0;
        }
        if (p) {
            p->drawImage(x, y, b.image);
            p->setFont(label);
            p->setPen(QColor(230, 230, 230));
            p->drawText(QRect(x, y + size.height() + 2, cellWidth + gap, 12), Qt::AlignLeft,
                        QString::number(b.id));
            p->drawText(QRect(x, y + size.height() + 14, cellWidth + gap, 12), Qt::AlignLeft, b.label);
        }
        rowHeight = std::max(rowHeight, size.height());
        x += cellWidth + gap;
    }
    return y + rowHeight + labelHeight + gap - top;
}

bool writeContactSheet(const QString& file) {
    constexpr int width = 1500;
    const auto quenby = artgen::quenbyBitmaps();
    const auto tollmere = artgen::tollmereBitmaps();
    std::vector<artgen::Bitmap> icons;
    for (const char* program : {"quenby", "tollmere", "setup"})
        for (const artgen::Icon& icon : artgen::programIcons(QLatin1String(program)))
            icons.push_back({icon.size, 0, icon.image, QLatin1String(program)});
    const int h1 = drawSection(nullptr, 0, width, {}, quenby);
    const int h2 = drawSection(nullptr, 0, width, {}, tollmere);
    const int h3 = drawSection(nullptr, 0, width, {}, icons);
    QImage sheet(width, h1 + h2 + h3, QImage::Format_RGB32);
    sheet.fill(QColor(0, 96, 64));
    QPainter p(&sheet);
    drawSection(&p, 0, width, QStringLiteral("quenby (256 colours; title on black = transparent)"), quenby);
    drawSection(&p, h1, width, QStringLiteral("tollmere (16 colours)"), tollmere);
    drawSection(&p, h1 + h2, width, QStringLiteral("icons (label: pixel size)"), icons);
    p.end();
    return sheet.save(file, "PNG");
}

int usage() {
    std::fprintf(stderr, "usage: artgen --out-dir DIR [--program quenby|tollmere|setup]...\n"
                         "       artgen --contact-sheet FILE.png\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    loadFonts();

    const QStringList args = app.arguments();
    QString outDir, sheet;
    QStringList programs;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--out-dir") && i + 1 < args.size())
            outDir = args[++i];
        else if (args[i] == QLatin1String("--contact-sheet") && i + 1 < args.size())
            sheet = args[++i];
        else if (args[i] == QLatin1String("--program") && i + 1 < args.size())
            programs << args[++i];
        else
            return usage();
    }
    if (outDir.isEmpty() == sheet.isEmpty())
        return usage();
    if (!sheet.isEmpty())
        return writeContactSheet(sheet) ? 0 : 1;

    if (programs.isEmpty())
        programs = {QStringLiteral("quenby"), QStringLiteral("tollmere"), QStringLiteral("setup")};
    for (const QString& program : programs) {
        bool ok = writeIcons(outDir + QStringLiteral("/icons"), program);
        if (program == QLatin1String("quenby"))
            ok = ok && writeBothSizes(outDir + QStringLiteral("/quenby"), artgen::quenbyBitmaps);
        else if (program == QLatin1String("tollmere"))
            ok = ok && writeBothSizes(outDir + QStringLiteral("/tollmere"), artgen::tollmereBitmaps);
        else if (program != QLatin1String("setup"))
            return usage();
        if (!ok)
            return 1;
    }
    return 0;
}
