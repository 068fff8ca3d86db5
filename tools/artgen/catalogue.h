#pragma once
// Every bitmap of both programs under its resource id, and the program icons.
#include <QImage>
#include <QString>
#include <vector>

namespace artgen {

struct Bitmap {
    int id;
    int bitCount; // 8 for quenby, 4 for tollmere
    QImage image; // Format_Indexed8 with the program's colour table
    QString label;
};

std::vector<Bitmap> quenbyBitmaps();
std::vector<Bitmap> tollmereBitmaps();

struct Icon {
    QString program;
    int size;
    QImage image;
};

inline constexpr int kIconSizes[] = {48, 256};
std::vector<Icon> programIcons(const QString& program);

} // namespace artgen
