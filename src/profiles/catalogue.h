#pragma once
// The profile catalogue compiled into the program: the 132 classic positions
// and the formats of today after them, the display name of each position that
// has an entry, the picker panel that holds it, and the id ranges the rest of
// the program tests.

#include <QString>
#include <QStringView>
#include <optional>
#include <span>
#include <vector>

inline constexpr int kFirstProfileId = 1;
// The formats of today (H.265, VP9, AV1, Opus, FLAC, ALAC, stream copy)
// follow the classic positions, so stored ids keep their meaning.
inline constexpr int kFirstModernId = 133;
inline constexpr int kLastProfileId = 144;

// The display name of a position, exactly as the user sees it; nothing for the
// blank positions at the foot of a picker panel and for ids outside the
// catalogue.
std::optional<QString> displayName(int id);
// The ids that have a display name, in order.
std::vector<int> catalogueIds();

// A picker panel and the ids it holds.
struct ProfileGroup {
    QStringView panel; // object name of the panel, e.g. "pl_audio1"
    int firstId;
    int lastId;
    QStringView caption; // its entry in the category list, e.g. "Common video"
};
std::span<const ProfileGroup> profileGroups();
// The group holding an id; nothing outside the catalogue.
std::optional<ProfileGroup> groupOf(int id);

// Id ranges (always tested on the id, never on the name).
// General formats: source-quality entries may be offered.
bool isGeneralFormat(int id);
// Audio formats and device presets: the video rate texts apply.
bool usesRateTexts(int id);
// General formats up to 111 and the formats of today: "The original width and
// height" may be offered.
bool mayOfferOriginalSize(int id);
// Video CD, Super Video CD and DVD: "PAL"/"NTSC" and a target argument.
bool isDiscTarget(int id);
// Profiles without picture: only audio quality and channel are stored.
bool isAudioOnly(int id);

// How a profile's jobs ask for their quality.
enum class QualityMode {
    Rate,            // bit rates: the classic positions
    ConstantQuality, // a constant-quality level per video position (CRF)
    Lossless,        // FLAC, ALAC: no audio rate, the source's sample rate
    StreamCopy,      // "Same streams, new container": every stream as it is
};
QualityMode qualityMode(int id);

// What a profile makes, as the profile field's icon shows it: sound (the
// audio-only profiles), a film for a player of the user's choice, or a film
// for one device (iPod to portable players, ids 27 to 90).
enum class ProfileKind { Sound, Film, Device };
ProfileKind profileKind(int id);

// The output extension carried by a display name: the text after its first
// "*" up to, not including, its last character. Letter case is kept; a name
// without "*" gives no extension.
QString outputExtension(const QString &displayName);
