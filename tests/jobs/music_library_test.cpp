// A music library through the Audio Converter's rules: a tree of FLAC, Ogg
// Vorbis and MP3 sources with tags (non-ASCII text included) and covers,
// two of one name, added as a folder with its subfolders and converted to
// MP3, M4A and Opus with the folder structure kept (or, once, named by a
// pattern of tags). Every output lands at its source's place in the tree (or
// where the pattern says) and keeps every tag, and the cover where its
// format holds one, as an attached picture, never as video.

#include "jobs/media_filters.h"
#include "jobs_harness.h"

#include <QDir>
#include <map>

using namespace veltrix::test;

namespace {

// (generateMedia parts its arguments at blanks: the values hold none.)
const std::vector<std::pair<std::string, std::string>> kTags = {{"title", "Ünïcode-Song"},
                                                                {"artist", "ArtistA"},
                                                                {"album", "AlbumOne"},
                                                                {"album_artist", "ArtistA"},
                                                                {"track", "3"},
                                                                {"disc", "1"},
                                                                {"date", "2001"},
                                                                {"genre", "Rock"},
                                                                {"comment", "Kept"}};

struct Source {
    const char *name, *codec;
    bool cover;
};
const Source kSources[] = {{"ArtistA/One/01.flac", "-c:a flac", true},
                           {"ArtistB/Hits/01.ogg", "-c:a libvorbis", false},
                           {"c.mp3", "-c:a libmp3lame -id3v2_version 3", true}};

struct Output {
    int profile;
    const char *extension;
    bool holdsCover;
    const char *pattern = "";
};

// The tags of the file and of its sound stream, by ffprobe's keys.
std::map<std::string, std::string> tagsOf(const std::string &file)
{
    const std::string out =
        runProcess({"ffprobe", "-v", "error", "-show_entries", "format_tags:stream_tags", "-of", "default=nw=1", file})
            .output;
    std::map<std::string, std::string> tags;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);)
        if (const auto eq = line.find('='); line.rfind("TAG:", 0) == 0 && eq != std::string::npos)
            tags[QString::fromStdString(line.substr(4, eq - 4)).toLower().toStdString()] = line.substr(eq + 1);
    return tags;
}

class MusicLibrary : public ::testing::TestWithParam<Output> {
protected:
    static void SetUpTestSuite()
    {
        s_library = std::make_unique<TempDir>();
        const std::string cover = s_library->file("cover.jpg");
        generateMedia("-f lavfi -i color=c=red:s=64x64:d=1 -frames:v 1", cover);
        std::string metadata;
        for (const auto &[key, value] : kTags)
            metadata += " -metadata " + key + "=" + value;
        for (const Source &source : kSources) {
            QDir().mkpath(QFileInfo(QString::fromStdString(s_library->file("library/" + std::string(source.name))))
                              .absolutePath());
            const std::string picture =
                source.cover ? " -i " + cover + " -map 0 -map 1 -c:v mjpeg -disposition:v:0 attached_pic" : "";
            generateMedia("-f lavfi -i sine=frequency=440:duration=2 -ac 2" + picture + " " + source.codec + metadata,
                          s_library->file("library/" + std::string(source.name)));
        }
    }
    static void TearDownTestSuite() { s_library.reset(); }
    static inline std::unique_ptr<TempDir> s_library;
};

TEST_P(MusicLibrary, KeepsEveryTagAndTheCover)
{
    JobsHarness h(GetParam().profile);
    h.adder.setMediaKinds(MediaKinds::Audio);
    h.outputField.setKeepStructure(!*GetParam().pattern);
    h.outputField.setNamePattern(GetParam().pattern);
    h.adder.addPaths({QString::fromStdString(s_library->file("library"))});
    ASSERT_TRUE(h.addEnded());
    ASSERT_EQ(h.jobs.rowCount(), 3);
    h.batch.start();
    ASSERT_TRUE(h.waitForBatchEnd());
    for (const Source &source : kSources) {
        SCOPED_TRACE(source.name);
        const QFileInfo place(source.name);
        // The sources share their tags: the pattern's name, then free ones, in the rows' order.
        const std::string suffix[] = {"", "_1", "_2"};
        const std::string file =
            *GetParam().pattern
                ? h.output.file("ArtistA/AlbumOne/03 Ünïcode-Song" + suffix[&source - kSources] + ".mp3")
                : h.output.file(place.path().toStdString() + "/" + place.completeBaseName().toStdString()
                                + GetParam().extension);
        const std::map<std::string, std::string> tags = tagsOf(file);
        for (const auto &[key, value] : kTags)
            EXPECT_EQ(tags.count(key) ? tags.at(key) : "(missing)", value) << key;
        const std::string kinds =
            runProcess({"ffprobe", "-v", "error", "-show_entries", "stream=codec_type:stream_disposition=attached_pic",
                        "-of", "csv=p=0", file})
                .output;
        const bool cover = source.cover && GetParam().holdsCover;
        EXPECT_EQ(kinds, cover ? "audio,0\nvideo,1\n" : "audio,0\n");
    }
}

INSTANTIATE_TEST_SUITE_P(Outputs, MusicLibrary,
                         ::testing::Values(Output{17, ".mp3", true}, Output{23, ".m4a", true},
                                           Output{141, ".opus", false},
                                           Output{17, ".mp3", true, "{albumartist}/{album}/{track} {title}"}),
                         [](const ::testing::TestParamInfo<Output> &info) {
                             return std::string(info.param.extension + 1) + (*info.param.pattern ? "_named" : "");
                         });

} // namespace
