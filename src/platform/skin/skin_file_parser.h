#pragma once
// Reads the text of a skin file into skin forms.
//
// A skin file is UTF-8 text, one statement per line: a key, blanks, then its
// values. Blank lines and lines whose first non-blank character is '#' are
// ignored. Keys are lower-case; names compare case-sensitively.
//
//   form NAME                    starts a form; the keys up to its first
//                                object describe the form itself
//     size W H                   window size in pixels, 1..100000 (required)
//     background COLOR [COLOR2]  fill; a vertical gradient down to COLOR2
//     picture PATH               picture stretched over the whole window
//     focus COLOR                ring around the object that has the keyboard
//                                focus (default #4f8cff)
//
//   object NAME KIND             starts an object of the current form; KIND is
//                                panel, image, button, text, bar or slider.
//                                Objects paint in the order they appear, and
//                                the last one under the pointer takes the mouse.
//     rect L T R B               window pixels, right and bottom exclusive,
//                                each within -100000..100000 (required)
//     fill COLOR [COLOR2]        fill; a vertical gradient down to COLOR2.
//                                Sliders: the track (default the text colour),
//                                and the part of it left of the thumb
//     hover COLOR                fill of a button, thumb of a slider, when
//                                pointed at
//     pressed COLOR              the same while the mouse button is held
//     textcolor COLOR            text of buttons and text objects
//     border COLOR               one-pixel outline (sliders: of the thumb)
//     thumb COLOR                slider thumb
//     radius N                   corner radius in pixels, 0..100000
//     picture PATH               drawn scaled into the rect instead of the fill
//     hoverpicture PATH          the same while pointed at
//     font [FAMILY...] SIZE [bold]   SIZE in pixels; no family: the desktop's
//     align WORD...              left, hcenter, right, top, vcenter, bottom or
//                                center (both); default left vcenter
//     text TEXT                  buttons and text objects only; the rest of
//                                the line, without surrounding double quotes
//     state on|off               off: greyed, gives no clicks
//     visible on|off             off: neither painted nor under the pointer
//     position N                 sliders only, 0..10000
//     accesskey LETTER           buttons, images and text objects: a letter or
//                                digit that with Alt clicks the object; its
//                                first match in the text is underlined
//
// COLOR is #rgb, #rrggbb, #aarrggbb or an SVG colour name. PATH is relative to
// the skin file's folder; a picture that cannot be read falls back to the
// colours.

#include <QString>
#include <memory>
#include <vector>

class SkinForm;

struct SkinParseResult {
    std::vector<std::unique_ptr<SkinForm>> forms;
    QString error; // "FILE:LINE: what is wrong"; empty when the text is valid
    bool ok() const { return error.isEmpty(); }
};

// fileName names the file in error messages and anchors relative picture paths.
SkinParseResult parseSkinFile(const QString &text, const QString &fileName);
