// Lists handed to workers: slices that cover a list once, results merged as
// a re-run after a failure leaves them, and a planned list read back whole.

#include "cli/handed_list.h"
#include "media_fixtures.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using veltrix::test::TempDir;

TEST(HandedList, EveryRowFallsInExactlyOneSlice)
{
    for (const int count : {1, 3, 7})
        for (int row = 0; row < 20; ++row) {
            int slices = 0;
            for (int index = 1; index <= count; ++index)
                slices += inShard(row, {index, count});
            EXPECT_EQ(slices, 1) << row << " of " << count;
        }
}

TEST(HandedList, ASliceIsReadFromTheCommandLineOrASlurmArrayTask)
{
    const auto slurm = [](std::initializer_list<std::pair<const char *, const char *>> values) {
        QProcessEnvironment environment;
        for (const auto &[name, value] : values)
            environment.insert(QString::fromLatin1(name), QString::fromLatin1(value));
        return environment;
    };
    const struct {
        const char *text;
        QProcessEnvironment environment;
        int index, count; // 0: refused
    } cases[] = {
        {"2/6", {}, 2, 6},
        {"0/3", {}, 0, 0},
        {"4/3", {}, 0, 0},
        {"3", {}, 0, 0},
        {"a/b", {}, 0, 0},
        {"slurm", slurm({{"SLURM_ARRAY_TASK_ID", "5"}, {"SLURM_ARRAY_TASK_MIN", "3"}, {"SLURM_ARRAY_TASK_COUNT", "3"}}),
         3, 3},
        {"slurm",
         slurm({{"SLURM_ARRAY_TASK_ID", "7"},
                {"SLURM_ARRAY_TASK_MIN", "3"},
                {"SLURM_ARRAY_TASK_COUNT", "3"},
                {"SLURM_ARRAY_TASK_STEP", "2"}}),
         3, 3},
        {"slurm", {}, 0, 0}, // not in an array task
    };
    for (const auto &c : cases) {
        const auto shard = parseShard(QString::fromLatin1(c.text), c.environment);
        if (c.count == 0) {
            EXPECT_TRUE(std::holds_alternative<QString>(shard)) << c.text;
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<Shard>(shard)) << c.text;
        EXPECT_EQ(std::get<Shard>(shard).index, c.index) << c.text;
        EXPECT_EQ(std::get<Shard>(shard).count, c.count) << c.text;
    }
}

TEST(HandedList, AFinishedRowStaysFinishedAndTheLastFailureIsTold)
{
    TempDir folder;
    const QString first = QString::fromStdString(folder.file("list.jobs.result-1"));
    const QString again = QString::fromStdString(folder.file("list.jobs.result-2"));
    ASSERT_TRUE(appendResult(first, {0, false, {}, "disk full"}));
    ASSERT_TRUE(appendResult(first, {1, false, {}, "first try"}));
    ASSERT_TRUE(appendResult(again, {0, true, "/out/a.mp3", {}}));
    ASSERT_TRUE(appendResult(again, {1, false, {}, "second try"}));
    ASSERT_TRUE(appendResult(again, {0, false, {}, "a later worker"}));
    std::vector<QByteArray> texts;
    for (const QString &path : {first, again}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        texts.push_back(file.readAll());
    }
    texts.push_back("not json\n{\"row\":9,\"state\":\"finished\"}\n"); // damaged, and a row beyond the list

    // Rows 0 and 1 told of, row 2 by no one, row 3 unchecked.
    const Collected collected = collectResults({true, true, true, false}, texts);
    EXPECT_EQ(collected.rows, 3);
    EXPECT_EQ(collected.finished, 1);
    ASSERT_EQ(collected.failed.size(), 1u);
    EXPECT_EQ(collected.failed[0].row, 1);
    EXPECT_EQ(collected.failed[0].reason, "second try");
    EXPECT_EQ(collected.missing, std::vector<int>{2});
}

TEST(HandedList, APlannedListComesBackWithItsOutputsAndFirstEntries)
{
    TempDir folder;
    const QString path = QString::fromStdString(folder.file("plan.jobs"));
    Job job;
    job.original.sourcePath = QStringLiteral("/media/a.wav");
    job.plannedOutput = QStringLiteral("/out/a.mp3");
    ConversionSettings settings{.edition = "veltrix-audio-converter", .profileId = 17, .channels = 0};
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(jobListText({jobListRowText({"a", job}, true)}, {}, conversionSettingsJson(settings)));
    file.close();

    const auto handed = readHandedList(path);
    ASSERT_TRUE(std::holds_alternative<HandedList>(handed)) << std::get<QString>(handed).toStdString();
    EXPECT_EQ(std::get<HandedList>(handed).settings, settings); // the first entry of a list, not "none"
    EXPECT_EQ(std::get<HandedList>(handed).list.rows.at(0).job.plannedOutput, "/out/a.mp3");

    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(jobListText({jobListRowText({"a", job}, true)}, {})); // the window's own kept list
    file.close();
    EXPECT_TRUE(std::holds_alternative<QString>(readHandedList(path)));
}

} // namespace
