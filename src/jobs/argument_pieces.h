#pragma once
// The encoder argument pieces of a file job, each a plain function of the
// job's records and the chosen profile. A piece carries its own leading
// blank; an empty piece leaves its option out.

#include "engine/intputrec.h"
#include "jobs/job.h"
#include "profiles/profile_choices.h"

#include <optional>

// The frame the job's picture is made in: the chosen one or the source's
// own; nullopt where the job states no size (a disc target, "No Video", a
// list the profile disables, the source's own frame for the formats of
// today unless it is odd, which is made even). A frame that is not usable
// stops the start.
std::optional<FrameSize> pictureFrame(const Toriginalinfo &job, const ProfileChoices &choices);
// " -s 640x480"; empty without a usable frame.
QString sizePiece(const std::optional<FrameSize> &frame);
// " -aspect " + width / height with four decimals; empty without a usable
// frame.
QString aspectPiece(const std::optional<FrameSize> &frame);
// While pictures keep their shape: " -vf " + the filters that scale the
// picture to fit inside the frame at its own display aspect and pad it with
// black bars, so the frame and the aspect piece stay as they are. Empty when
// pictures stretch, without a frame, or where the template drops the picture
// (" -vn").
QString pictureFitPiece(const std::optional<FrameSize> &frame, const ProfileChoices &choices);
// nullopt when the estimate it derives from fails.
std::optional<QString> videoRatePiece(const Toriginalinfo &job, const ProfileChoices &choices);
QString audioRatePiece(const Toriginalinfo &job, const ProfileChoices &choices);
QString sampleRatePiece(const Toriginalinfo &job, const ProfileChoices &choices);
QString channelsPiece(const ProfileChoices &choices);
// " -ss " with the clip's begin, in hundredths where it was marked on a frame.
QString startPiece(const TClipInfo &clip);
// " -t " with the clip's length in hundredths when the clip ends before the
// source's end; empty when the job converts to the end of its input.
QString lengthPiece(const Job &job);
// The profile's template, or " -target pal-vcd " and the like for 112 to 114.
QString extraPiece(const ProfileChoices &choices);

// The invocation record of one job with all its pieces and its length; the
// job start adds the input, the output side the output, the run the
// encoder's place. nullopt when a piece meets a value that does not convert.
std::optional<intputrec> jobPieces(const Job &job, const ProfileChoices &choices);
// The same but start and length, which a DVD job's input carries instead.
std::optional<intputrec> sourcePieces(const Toriginalinfo &job, const ProfileChoices &choices);
