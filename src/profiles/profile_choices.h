#pragma once
// The chosen profile as its jobs read it: the Settings dialog's lists are
// resolved once, where the user chooses, into values, so no rule of a job
// reads a list's text again.

#include "profiles/choice_list.h"

#include <QString>
#include <array>
#include <optional>

// How a picture whose display aspect differs from the chosen frame fills
// it: scaled to fit inside and padded with black bars, or stretched.
enum class PictureFit { KeepShape, Stretch };

inline constexpr int kNormalPosition = 2;

// A frame read from "640x480(VGA)" or a source's "640x360": the numbers
// before and after the "x" (up to a "("); a number that does not read is
// nullopt.
struct FrameSize {
    std::optional<qint64> width;
    std::optional<qint64> height;
    // Both numbers read and the height is above 0: an aspect can be taken.
    bool usable() const { return width && height && *height != 0; }
    bool operator==(const FrameSize &) const = default;
};
// nullopt for a text without an "x".
std::optional<FrameSize> readFrame(const QString &text);

struct SizeChoice {
    enum class Kind {
        None,     // no frame: an empty list, "No Video", an entry without "x"
        Source,   // "The original width and height": the source's own frame
        Frame,    // `frame`
        Standard, // a disc target's TV standard, `standard`: "pal" or "ntsc"
    };
    Kind kind = Kind::None;
    FrameSize frame;
    QString standard;
    bool stated = true; // the list is enabled: the job states its size
    bool operator==(const SizeChoice &) const = default;
};

struct QualityChoice {
    // The source's own quality is chosen: use the source's own rate.
    bool source = false;
    // 0 "Higher Quality" ... 4 "Lower Quality"; kNormalPosition when source.
    int position = kNormalPosition;
    bool operator==(const QualityChoice &) const = default;
};

struct ProfileChoices {
    int profileId = -1; // the loaded profile's id
    QString extension;  // output extension, ".mp3"
    QString argumentTemplate;
    SizeChoice size;
    bool hasVideo = true; // false where the profile's video rate is "*"
    QualityChoice video;
    // The profile's video rate at the chosen position, in kbit/s: 0 where
    // it is no number or the profile asks for a constant quality, held within
    // 0..kMaxRateKbits.
    qint64 videoRateKbits = 0;
    // The constant-quality level (CRF) at the chosen position, for the
    // profiles that ask for one; 0 for the others.
    int qualityLevel = 0;
    QualityChoice audio;
    int channels = 2;
    bool fileMode = true; // false in DVD mode
    PictureFit pictureFit = PictureFit::KeepShape;
};

// The encoders' constant-quality scales end at 63 (libvpx, SVT-AV1).
inline constexpr int kMaxQualityLevel = 63;

// No real stream comes near 100 Gbit/s: every rate is held below it, so
// sums of rates stay within an int.
inline constexpr qint64 kMaxRateKbits = 100'000'000;

// What a loaded profile gives its jobs beside the lists.
struct ProfileRules {
    int id = -1;
    QString extension;
    std::array<QString, 5> rateTexts; // by video quality position; "*" in 0: no video
    QString argumentTemplate;
};

// The lists as the user left them, read as a conversion takes them: nothing
// selected reads as the first size, "Normal" and "Stereo".
ProfileChoices resolveChoices(const ProfileRules &rules, const QualityLists &lists, bool fileMode,
                              PictureFit fit = PictureFit::KeepShape);
