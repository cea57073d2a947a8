#pragma once
// Where the picker's pages, buttons and category list go: plain values of
// the edition. The picture generator draws to the same sizes.

#include <QStringView>
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

// The "All formats" switch on the audio pages' strips, left of the page switch.
inline constexpr int kAllFormatsSwitchWidth = 80;
inline constexpr int kAllFormatsSwitchLeft = kPickerStripWidth - 1 - kAllFormatsSwitchWidth;
// The category list `pl_main`: a title, then one row per entry.
inline constexpr int kCategoryListWidth = 160;
inline constexpr int kCategoryTitleHeight = 26;
inline constexpr int kCategoryRowHeight = 16;

// The groups the category list of "All formats" offers: every group, or in
// editions named for audio the sound groups (the audio pages and the audio
// formats of today).
bool offersGroup(const PickerEdition &edition, QStringView panel);

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
// Upper edge of the category list's row at `row` (0 = topmost).
int categoryRowTop(int row);
