#pragma once
// The numbered messages of language.info that the code shows by name.
// Hints 1 to 25 are chosen by skin object (hintNumberFor).

namespace Message {
inline constexpr int EditionHint = 25;      // the hint that names the edition
inline constexpr int Converting = 26;       // refused: a batch is running
inline constexpr int Previewing = 27;       // refused: the preview is playing
inline constexpr int ChapterMode = 28;      // refused: the DVD list shows chapters
inline constexpr int ConfirmClear = 29;     // Yes/No before the list is cleared
inline constexpr int NoRowSelected = 30;    // file information without a row
inline constexpr int NoProductInfo = 31;    // softinfo.dat or its record is missing
inline constexpr int DvdFolderCaption = 32; // folder chooser caption for a DVD
inline constexpr int NoIfoInFolder = 33;    // the chosen DVD folder holds no IFO file
inline constexpr int NoTitlesInIfo = 34;    // the chosen IFO file gave no titles
inline constexpr int OutputFolderCaption = 37;
} // namespace Message
