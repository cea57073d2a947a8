// The number of jobs at once: the Automatic rule over every profile of the
// shipped catalogue, and a chosen number.

#include "jobs/jobs_at_once.h"
#include "profiles/catalogue.h"
#include "profiles/profile_file.h"

#include <gtest/gtest.h>
#include <map>

namespace {

// Profiles whose encoders each keep one core busy run one job per core.
TEST(JobsAtOnce, AutomaticRunsOneJobPerCoreForOneCoreEncodersOnly)
{
    const std::map<int, bool> expected = {
        {17, true},   // MP3
        {18, true},   // Vorbis
        {71, true},   // AMR, encoded by register.dat
        {7, true},    // WMV2 and WMA
        {5, false},   // H.264
        {2, false},   // MPEG-4 (slice threads)
        {114, false}, // DVD target: MPEG-2
        {136, false}, // SVT-AV1
        {142, true},  // FLAC
    };
    int oneCore = 0;
    for (const int id : catalogueIds()) {
        SCOPED_TRACE(id);
        const QString extension = outputExtension(*displayName(id));
        const QStringList encoders =
            profileEncoders(*readProfileBlock(QStringLiteral(VELTRIX_BIN_DIR), id).argumentTemplate, extension);
        // Every profile names what it encodes with, so none is left to a
        // guess; a stream copy encodes nothing.
        EXPECT_EQ(encoders.isEmpty(), qualityMode(id) == QualityMode::StreamCopy);
        oneCore += usesOneCore(encoders);
        EXPECT_EQ(jobsAtOnce(kJobsAtOnceAutomatic, encoders, 4), usesOneCore(encoders) ? 4 : 1);
        if (expected.contains(id))
            EXPECT_EQ(usesOneCore(encoders), expected.at(id)) << encoders.join(' ').toStdString();
        EXPECT_EQ(jobsAtOnce(3, encoders, 4), 3); // a chosen number is kept
    }
    EXPECT_GT(oneCore, 20);
    EXPECT_EQ(jobsAtOnceSetting(3, 2), kJobsAtOnceAutomatic); // more than the cores: stored elsewhere
    EXPECT_EQ(jobsAtOnceCaptions(2), (QStringList{"Automatic", "1", "2"}));
}

} // namespace
