#pragma once
// Where the picker's pages and buttons go: plain values of the edition.

#include <optional>

// What of the edition name the picker looks at.
struct PickerEdition {
    bool zuvok = false;      // "zuvok" in the edition name
    bool audioNamed = false; // "mp3" or "audio" in the edition name
};

inline constexpr int kPickerPageWidth = 310;
inline constexpr int kPickerPageHeight = 358;
inline constexpr int kPickerStripHeight = 17;
inline constexpr int kPickerStripWidth = 240;
inline constexpr int kPickerSwitchWidth = 71;
inline constexpr int kSecondPageLeft = 94;

// Left edge of the first audio page when the picker opens.
int firstPageLeft(const PickerEdition &edition);
// Left edge of the first audio page on a return from the second page;
// nothing when the return leaves the page where it was.
std::optional<int> firstPageLeftAfterReturn(const PickerEdition &edition);

// Upper edge and height of the button at `index` (0 = topmost) of a page.
int profileButtonTop(int index);
int profileButtonHeight(int index);
// Height of the blank area that starts at `index`: down to the strip.
int blankAreaHeight(int index);
