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

// At `scale` 2 every bitmap is drawn again at twice its size, for screens of
// twice the pixel density; ids and colour tables stay the same.
std::vector<Bitmap> quenbyBitmaps(int scale = 1);
std::vector<Bitmap> tollmereBitmaps(int scale = 1);

struct Icon {
    QString program;
    int size;
    QImage image;
};

inline constexpr int kIconSizes[] = {48, 256};
std::vector<Icon> programIcons(const QString& program);

} // namespace artgen
