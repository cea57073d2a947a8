// Pictures keep their shape inside the profile's frame, or stretch to fill
// it: real batches through register.dat, the outputs measured by ffmpeg.

#include "jobs/argument_pieces.h"
#include "jobs_harness.h"

using namespace veltrix::test;

namespace {

constexpr int kMp4Avc = 5; // sizes: 1 "640x480(VGA)", 4 "1280x720(720P)"

TEST(PictureFit, KeptInsideBlackBarsOrStretched)
{
    TempDir media;
    const std::string sound = " -f lavfi -i sine=duration=2 -c:v libx264 -preset ultrafast -c:a aac -shortest";
    generateMedia("-f lavfi -i color=c=silver:s=640x480:d=2" + sound, media.file("square.mp4"));
    // Stored 720x576, shown at 4:3 as a PAL DVD is: its sample aspect counts.
    generateMedia("-f lavfi -i color=c=silver:s=720x576:d=2,setsar=16/15" + sound, media.file("pal.mp4"));
    generateMedia("-f lavfi -i color=c=silver:s=1280x720:d=2" + sound, media.file("wide.mp4"));
    // Source, size position, fit, the frame and its aspect, where the picture lies in it.
    const std::tuple<const char *, int, PictureFit, const char *, const char *> cases[] = {
        {"square.mp4", 4, PictureFit::KeepShape, "1280x720 16:9", "960:720:160:0"},
        {"pal.mp4", 4, PictureFit::KeepShape, "1280x720 16:9", "960:720:160:0"},
        {"wide.mp4", 1, PictureFit::KeepShape, "640x480 4:3", "640:360:0:60"},
        {"square.mp4", 4, PictureFit::Stretch, "1280x720 16:9", "1280:720:0:0"},
    };
    for (const auto &[source, size, fit, frame, box] : cases) {
        SCOPED_TRACE(std::string(source) + (fit == PictureFit::Stretch ? " stretched" : " kept"));
        JobsHarness h(kMp4Avc);
        h.profile.chooseEntry(QualityListId::Size, size);
        h.profile.setPictureFit(fit);
        h.addFiles({QString::fromStdString(media.file(source))});
        h.batch.start();
        ASSERT_TRUE(h.waitForBatchEnd());
        ASSERT_EQ(h.jobs.status(0).state, JobState::Finished);
        const std::string out = h.output.file(source);
        EXPECT_EQ(ffprobeField(out, "stream=width") + "x" + ffprobeField(out, "stream=height") + " "
                      + ffprobeField(out, "stream=display_aspect_ratio"),
                  frame);
        EXPECT_EQ(pictureBox(out), box);
        EXPECT_EQ(h.lastStarted.picture.isEmpty(), fit == PictureFit::Stretch) << "stretching is the old command";
    }
    // A template that drops the picture gets no filters.
    EXPECT_EQ(pictureFitPiece(FrameSize{640, 480}, {.argumentTemplate = " -vn -acodec aac"}), QString());
}

} // namespace
