#pragma once
// The window icon of tollmere, drawn by our art generator and embedded with its
// bitmaps (":/tollmere/bitmaps/<id>.bmp").
#include <QString>

namespace tollmere_resources {

// The Qt resource path of the 256 by 256 window icon.
QString windowIconPath();

} // namespace tollmere_resources
