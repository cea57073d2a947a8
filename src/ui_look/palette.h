#pragma once
// The colours of the window design, the one place they are named. The
// picture generator draws with them, the program's controls and dialogs take
// them through darkPalette(), and the skin file (data/skn.skn) paints the
// areas the pictures sit on with the same values, so a picture's background
// melts into the window behind it.

#include <QColor>

namespace palette {

// Areas of the main window.
inline const QColor titleBar(0x10, 0x14, 0x1b);    // title area, behind the name banner
inline const QColor menuRow(0x16, 0x1c, 0x26);     // menu row, behind "About us"
inline const QColor toolbar(0x1a, 0x21, 0x30);     // toolbar band, behind the command buttons
inline const QColor previewArea(0x15, 0x1b, 0x26); // preview column, behind the player buttons
inline const QColor footer(0x12, 0x17, 0x20);      // bottom area, behind Start and Stop
inline const QColor picker(0x1b, 0x22, 0x30);      // picker pages, dialogs and menus
inline const QColor field(0x14, 0x1a, 0x24);       // lists and edit fields
inline const QColor player(0x00, 0x00, 0x00);      // the preview picture's panel

// Controls.
inline const QColor raised(0x26, 0x30, 0x42);        // buttons; a button under the pointer
inline const QColor sunken(0x20, 0x28, 0x38);        // a button held down
inline const QColor line(0x2b, 0x35, 0x48);          // separators (decoration only)
inline const QColor controlBorder(0x7d, 0x88, 0x9e); // outlines of fields, boxes and scroll handles
inline const QColor text(0xe6, 0xeb, 0xf3);
inline const QColor mutedText(0x8b, 0x96, 0xaa);    // captions and hints
inline const QColor disabledText(0x95, 0x9f, 0xb3); // still readable, plainly dimmer than text
inline const QColor accent(0x4f, 0x8c, 0xff);       // glyphs, focus rings, links, checked boxes
inline const QColor accentText(0x7a, 0xa8, 0xff);   // accent-coloured text on a raised box
inline const QColor accentStrong(0x35, 0x70, 0xe8); // top of an accent fill that carries white text
inline const QColor accentDark(0x2a, 0x5f, 0xd0);   // bottom of that fill; selected rows
inline const QColor danger(0xd6, 0x3c, 0x42);       // top of the Stop fill (white text)
inline const QColor dangerDark(0xc0, 0x32, 0x3a);
inline const QColor onAccent(0xff, 0xff, 0xff); // text and glyphs on accent and danger fills

// The file information window keeps its light design.
inline const QColor propertiesBackground(250, 254, 251);
inline const QColor propertiesText(0x1c, 0x22, 0x30);
inline const QColor propertiesField(0xff, 0xff, 0xff);
inline const QColor propertiesBorder(0x6b, 0x74, 0x84);

} // namespace palette
