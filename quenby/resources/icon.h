#pragma once
// The window icon of quenby, drawn by our art generator and embedded with its
// bitmaps (":/quenby/bitmaps/<id>.bmp").
#include <QString>

namespace quenby_resources {

// The Qt resource path of the 256 by 256 window icon.
QString windowIconPath();

} // namespace quenby_resources
