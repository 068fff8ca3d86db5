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

// Gives the pages under an existing picture (a window's own, shared with the
// X server) their memory now, in one step, rather than one fault at a time
// as a first paint writes them. False where the system cannot (or for a
// null image): the pages then come at their first write as before.
bool populatePages(const QImage& image);

} // namespace platform
