#pragma once
// The colours of the window design. The skin file (data/skn.skn) paints the
// areas these pictures sit on with the same colours, so a picture's
// background melts into the window behind it.

#include <QColor>

namespace palette {

inline const QColor titleBar(0x10, 0x14, 0x1b);     // title area, behind the name banner
inline const QColor menuRow(0x16, 0x1c, 0x26);      // menu row, behind "About us"
inline const QColor toolbar(0x1a, 0x21, 0x30);      // toolbar band, behind the command buttons
inline const QColor previewArea(0x15, 0x1b, 0x26);  // preview column, behind the player buttons
inline const QColor footer(0x12, 0x17, 0x20);       // bottom area, behind Start and Stop
inline const QColor picker(0x1b, 0x22, 0x30);       // picker pages
inline const QColor raised(0x26, 0x30, 0x42);       // a button under the pointer
inline const QColor sunken(0x20, 0x28, 0x38);       // a button held down
inline const QColor line(0x2b, 0x35, 0x48);         // separators and outlines
inline const QColor text(0xe6, 0xeb, 0xf3);
inline const QColor mutedText(0x8b, 0x96, 0xaa);
inline const QColor accent(0x4f, 0x8c, 0xff);
inline const QColor accentDark(0x2f, 0x6b, 0xe6);
inline const QColor danger(0xe5, 0x48, 0x4d);
inline const QColor dangerDark(0xc0, 0x32, 0x3a);

} // namespace palette
