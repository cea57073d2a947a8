// The command line of a snapshot: one frame at the shown position, the
// chosen size, no other piece.

#include "engine/commandline.h"
#include "preview/snapshot.h"

#include <gtest/gtest.h>

namespace {

TEST(SnapshotRecord, TakesOneFrameAtTheShownPosition)
{
    intputrec rec = snapshotRecord({.inputPath = "/media/my clip.avi",
                                    .caption = "my clip",
                                    .outputFolder = "/out",
                                    .sizePiece = " -s 320x240",
                                    .timeText = "00:01:05"},
                                   "/out/my clip.bmp");
    EXPECT_EQ(commandLineText(rec), " -ss 00:01:05 -y  -i \"/media/my clip.avi\" -t 0.01"
                                    " -s 320x240  -f image2  \"/out/my clip.bmp\"");
    EXPECT_EQ(encoderArguments(rec), QStringList({"-ss", "00:01:05", "-y", "-i", "/media/my clip.avi", "-t", "0.01",
                                                  "-s", "320x240", "-f", "image2", "/out/my clip.bmp"}));
    EXPECT_EQ(rec.seconds, 0) << "no progress for one frame";

    // A DVD row's input holds the position; nothing seeks before it.
    rec = snapshotRecord({.inputPath = "veltrix-dvd:root=/media/DVD&vts=1&cells=0-5000&begin=65",
                          .caption = "Title_01",
                          .outputFolder = "/out",
                          .sizePiece = "",
                          .timeText = "00:01:05"},
                         "/out/Title_01.bmp");
    EXPECT_EQ(encoderArguments(rec), QStringList({"-y", "-i", "veltrix-dvd:root=/media/DVD&vts=1&cells=0-5000&begin=65",
                                                  "-t", "0.01", "-f", "image2", "/out/Title_01.bmp"}));
}

} // namespace
