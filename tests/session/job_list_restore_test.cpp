// The job list comes back at the next start as the last run left it: rows,
// check marks, a cut, a failed row with its reason, a converting row ready to
// convert again; a source deleted meanwhile comes back marked; a damaged row
// is left out alone and a damaged list file kept aside, each reported once;
// the restored rows convert whole.

#include "jobs/job_list_file.h"
#include "session_fixture.h"

#include <QDir>

using namespace veltrix::test;

namespace {

class JobListRestoreTest : public SessionTest {
protected:
    QString listFile() const { return QString::fromStdString(m_state.file("veltrix/veltrix-video-converter.jobs")); }
};

TEST_F(JobListRestoreTest, ComesBackAsLeftAndConvertsWhole)
{
    TempDir media;
    const auto path = [&](const char *name) { return QString::fromStdString(media.file(name)); };
    for (const char *name : {"cut.wav", "unchecked.wav", "failed.wav", "gone.wav"})
        generateMedia("-f lavfi -i sine=frequency=440:duration=3 -ac 2", media.file(name));
    const std::string whole = readFile(media.file("failed.wav"));
    std::string corrupt = whole;
    corrupt.replace(20, 2, std::string("\x55\x55", 2)); // a sample format no decoder knows
    writeFile(media.file("failed.wav"), corrupt);

    start();
    addFiles({path("cut.wav"), path("unchecked.wav"), path("failed.wav"), path("gone.wav")});
    JobModel &jobs = m_session->jobs();
    ASSERT_EQ(jobs.rowCount(), 4);
    for (int row : {0, 1, 3})
        jobs.setChecked(row, false);
    m_session->batch().start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return batchEnded(); }, 60000));
    ASSERT_EQ(jobs.status(2).state, JobState::Failed);
    writeFile(media.file("failed.wav"), whole); // the failed row's source mended
    for (int row : {0, 3})
        jobs.setChecked(row, true);
    jobs.setClipRange(0, {100, 200}); // as the clip cutter marks it and sets its length on close
    jobs.setDuration(0, "00:00:01");
    std::vector<Job> before;
    QStringList captions;
    for (int row = 0; row < jobs.rowCount(); ++row) {
        before.push_back(jobs.job(row));
        captions << jobs.caption(row);
    }
    const std::vector<bool> marks = jobs.checkMarks();

    QFile::remove(path("gone.wav"));
    JobModel &restored = restart().jobs();
    EXPECT_TRUE(m_prompts.boxes().empty());
    ASSERT_EQ(restored.rowCount(), 4);
    EXPECT_EQ(restored.checkMarks(), marks);
    for (int row = 0; row < 4; ++row) {
        SCOPED_TRACE(row);
        Job expected = before[row];
        if (row == 3)
            expected.status = JobStatus::failed(restored.status(3).reason);
        EXPECT_EQ(restored.job(row), expected);
        EXPECT_EQ(restored.caption(row), captions[row]);
        EXPECT_EQ(restored.index(row, kPathColumn).data().toString(), sourceOf(expected));
    }
    EXPECT_TRUE(restored.status(3).reason.startsWith(path("gone.wav") + " is no longer there"));
    EXPECT_EQ(restored.original(0).duration, "00:00:01");

    // A converting row is stored ready to convert again.
    m_session->batch().start();
    m_session->batch().pauseToggle();
    ASSERT_EQ(restored.status(0).state, JobState::RunPaused);
    m_session->saveJobList();
    QString problem;
    const std::optional<StoredJobList> stored =
        parseJobList(QByteArray::fromStdString(readFile(listFile().toStdString())), &problem);
    ASSERT_TRUE(stored) << problem.toStdString();
    EXPECT_EQ(stored->rows.at(0).job.status, JobStatus{JobState::Waiting});
    m_session->batch().pauseToggle();
    ASSERT_TRUE(QTest::qWaitFor([&] { return batchEnded(); }, 60000));
    const std::vector<JobState> ended = {JobState::Finished, JobState::Waiting, JobState::Finished, JobState::Failed};
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(restored.status(row).state, ended[row]) << row << " " << restored.status(row).reason.toStdString();
    const QDir output(this->output());
    for (const auto &[name, seconds] : {std::pair{"cut", 1.0}, std::pair{"failed", 3.0}}) {
        const QStringList written = output.entryList({QString(name) + ".*"}, QDir::Files);
        ASSERT_EQ(written.size(), 1) << name;
        EXPECT_NEAR(std::stod(ffprobeField(output.filePath(written[0]).toStdString(), "format=duration")), seconds, 0.1)
            << name;
    }

    // One damaged field drops its row alone, named in the message; the whole file is kept aside.
    EXPECT_TRUE(m_session->saveSettings().isEmpty());
    m_session->saveJobList();
    m_session.reset();
    QByteArrayList lines = QByteArray::fromStdString(readFile(listFile().toStdString())).split('\n');
    lines[2].replace("\"unchecked\":true", "\"unchecked\":\"yes\"");
    writeFile(listFile().toStdString(), lines.join('\n').toStdString());
    m_prompts.shown.clear();
    EXPECT_EQ(start().jobs().caption(1), captions[2]);
    EXPECT_EQ(m_session->jobs().rowCount(), 3);
    ASSERT_EQ(m_prompts.boxes().size(), 1u);
    EXPECT_TRUE(m_prompts.boxes()[0].text.contains("row 2, unchecked.wav")) << m_prompts.boxes()[0].text.toStdString();
    EXPECT_EQ(readFile(listFile().toStdString() + ".bak"), lines.join('\n').toStdString());

    // A damaged list is kept aside, told once, and the list starts empty.
    EXPECT_TRUE(m_session->saveSettings().isEmpty());
    m_session->saveJobList();
    m_session.reset();
    const std::string damaged = R"({"format": "veltrix job list", "version": 1, "rows": [)";
    writeFile(listFile().toStdString(), damaged);
    m_prompts.shown.clear();
    EXPECT_EQ(start().jobs().rowCount(), 0);
    ASSERT_EQ(m_prompts.boxes().size(), 1u);
    EXPECT_EQ(m_prompts.boxes()[0].kind, RecordingPrompts::Kind::Warning);
    EXPECT_TRUE(m_prompts.boxes()[0].text.contains(listFile() + ".bak")) << m_prompts.boxes()[0].text.toStdString();
    EXPECT_EQ(readFile(listFile().toStdString() + ".bak"), damaged);
    EXPECT_EQ(restart().jobs().rowCount(), 0);
    EXPECT_TRUE(m_prompts.boxes().empty());
}

} // namespace
