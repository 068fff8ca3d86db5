#pragma once
// Window-sized images whose pixels the system may map in large pages.
#include <QImage>
#include <QSize>

namespace platform {

// A new image like QImage(size, format), with the same size, format and line
// length and pixels as undefined, held in memory the kernel may map in 2 MiB
// pages. Each 4 KiB page of a fresh image otherwise costs a page fault at its
// first write, and a window-sized surface has hundreds of them: painting it
// first is then several times slower than any later paint. Images under
// 2 MiB, and systems without such memory, get a plain QImage.
QImage largeImage(QSize size, QImage::Format format);

} // namespace platform
