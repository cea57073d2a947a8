#pragma once
// The four lists of the Settings dialog as plain values: the rules that fill
// them and the rules that read them work on these; the dialog shows them.

#include <QString>
#include <QStringList>

inline const QString kNoVideo = QStringLiteral("No Video");
inline const QString kOriginalSize = QStringLiteral("The original width and height");
inline const QString kOriginalVideoQuality = QStringLiteral("The Original Video Quliay");
inline const QString kOriginalAudioQuality = QStringLiteral("The Original Audio Quliay");
inline const QString kPal = QStringLiteral("PAL");
inline const QString kNtsc = QStringLiteral("NTSC");
// What a list with nothing selected shows.
inline const QString kAsTheProfileSetsIt = QStringLiteral("As the profile sets it");

// "Higher Quality" (position 0) ... "Lower Quality" (position 4).
QStringList qualityEntries();
// "Mono", "Stereo": position + 1 is the channel count.
QStringList channelEntries();

struct ChoiceList {
    QStringList entries;
    int selected = -1; // -1: nothing selected
    bool enabled = true;

    QString selectedText() const;
    QString lastEntry() const;
    // Selects a position; one the list does not offer leaves nothing selected.
    void select(int position);
    void append(const QString &entry) { entries.append(entry); }
    // Removes the last entry, dropping the selection when it stood there.
    void removeLast();
    // Removes the selected entry; nothing is selected afterwards.
    void removeSelected();
    bool operator==(const ChoiceList &) const = default;
};

// `cb_size`, `cb_videobitrate`, `cb_audiobitrate`, `cb_channel`.
struct QualityLists {
    ChoiceList size;
    ChoiceList videoQuality;
    ChoiceList audioQuality;
    ChoiceList channel;
    bool operator==(const QualityLists &) const = default;
};

// The four lists by name, for whatever shows them one by one (the Settings
// dialog, the main window's side buttons).
enum class QualityListId { Size, VideoQuality, AudioQuality, Channel };
inline constexpr QualityListId kQualityListIds[] = {QualityListId::Size, QualityListId::VideoQuality,
                                                    QualityListId::AudioQuality, QualityListId::Channel};
ChoiceList &qualityList(QualityLists &lists, QualityListId id);
const ChoiceList &qualityList(const QualityLists &lists, QualityListId id);

// The lists as the dialog creates them: no sizes, the five quality entries
// without selection, "Stereo" selected.
QualityLists initialQualityLists();
