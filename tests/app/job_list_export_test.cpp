// The window's list handed to veltrix-convert: File > Export Job List writes
// it with the window's profile, choices and output folder, and the command
// line converts it so.

#include "main_window_fixture.h"

namespace {

class JobListExportTest : public MainWindowTest {};

TEST_F(JobListExportTest, AnExportedListConvertsAsTheWindowWould)
{
    Tfm_main &w = start();
    const std::string tone = m_busyMedia.file("tone.wav"), out = m_busyMedia.file("out");
    veltrix::test::generateMedia("-f lavfi -i sine=frequency=440:duration=2", tone);
    m_prompts.fileAnswers.push_back({QString::fromStdString(tone)});
    w.run(MainCommand::AddFiles);
    ASSERT_TRUE(addEnded(w));
    w.session().profile().select(18); // Ogg Vorbis, its Mono entry chosen
    w.session().profile().chooseEntry(QualityListId::Channel, 0);
    w.session().outputFolder().setFolder(QString::fromStdString(out) + u'/');
    m_prompts.saveAnswer = QString::fromStdString(m_busyMedia.file("handed.jobs"));
    w.run(MainCommand::ExportJobList);

    const auto converted =
        veltrix::test::runProcess({VELTRIX_BIN_DIR "/veltrix-convert", "--list", m_busyMedia.file("handed.jobs")});
    EXPECT_EQ(converted.exitCode, 0) << converted.output;
    const std::string ogg = out + "/tone.ogg";
    EXPECT_EQ(veltrix::test::ffprobeField(ogg, "stream=codec_name"), "vorbis");
    EXPECT_EQ(veltrix::test::ffprobeField(ogg, "stream=channels"), "1");
}

} // namespace
