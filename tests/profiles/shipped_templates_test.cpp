// Every classic profile of the catalogue, with the template shipped in
// profiles.pop, converts a short clip through the real register.dat, and
// ffprobe finds the promised container and codecs in the result. (The
// formats of today are checked through the whole pipeline, with the pieces
// their quality modes give.)

#include "engine/commandline.h"
#include "media_fixtures.h"
#include "profiles/catalogue.h"
#include "profiles/profile_file.h"

#include <QDir>
#include <atomic>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <thread>

using namespace veltrix::test;

namespace {

const QString kBinFolder = QStringLiteral(VELTRIX_BIN_DIR);
constexpr int kParallelRuns = 2;

struct Probe {
    std::string format;
    std::set<std::string> videoCodecs;
    std::set<std::string> audioCodecs;
};

struct Encoded {
    std::string commandLine;
    ProcessResult run;
    Probe probe;
};

// The argument pieces the job start builds for the first size entry, the
// "Normal" video rate text, "Normal" audio quality and stereo.
intputrec recordFor(int id, const std::string &input, const std::string &outputFolder)
{
    const ProfileBlock block = readProfileBlock(kBinFolder, id);
    const QString extension = outputExtension(*displayName(id));
    const bool amrRates = extension == ".3gp" || extension == ".amr";
    intputrec rec;
    rec.encoderfile = kBinFolder + "/register.dat";
    rec.workdir = kBinFolder + "/";
    rec.inputfile = QString::fromStdString(input);
    rec.outputfile = QString::fromStdString(outputFolder) + QStringLiteral("/out%1").arg(id) + extension;
    rec.start = " -ss 00:00:00";
    rec.length = " -t 00:00:02";
    rec.seconds = 2;
    rec.channels = amrRates ? " -ac 1 " : " -ac 2";
    if (isDiscTarget(id)) {
        rec.extra = QStringLiteral(" -target pal-%1 ").arg(id == 112 ? "vcd" : id == 113 ? "svcd" : "dvd");
        return rec;
    }
    rec.extra = block.argumentTemplate.value_or(QString());
    rec.audiobitrate = amrRates ? " -ab 7400" : " -ab 128000";
    rec.samplerate = amrRates ? " -ar 8000 " : " -ar 44100 ";
    const QStringList sizes = tokenizeLine(block.sizeLine.value_or(QString()));
    const QStringList rates = tokenizeLine(block.rateLine.value_or(QString()));
    if (block.rateLine != QStringLiteral("*") && !sizes.isEmpty() && rates.size() == 5) {
        const QString size = sizes.first().section(u'(', 0, 0);
        rec.size = " -s " + size;
        rec.aspect = " -aspect "
                     + QString::number(size.section(u'x', 0, 0).toDouble() / size.section(u'x', 1).toDouble(), 'f', 4);
        rec.videobitrate = " -r 25 -b " + rates.at(2) + "000";
    }
    return rec;
}

Probe probe(const std::string &path)
{
    const ProcessResult r = runProcess({"ffprobe", "-v", "error", "-show_entries",
                                        "format=format_name:stream=codec_type,codec_name", "-of", "flat", path});
    Probe result;
    std::string codec;
    std::istringstream lines(r.output);
    for (std::string line; std::getline(lines, line);) {
        const auto value = [&] { return line.substr(line.find("=\"") + 2, line.size() - line.find("=\"") - 3); };
        if (line.find("format.format_name=") == 0)
            result.format = value();
        else if (line.find(".codec_name=") != std::string::npos)
            codec = value();
        else if (line.find(".codec_type=\"video\"") != std::string::npos)
            result.videoCodecs.insert(codec);
        else if (line.find(".codec_type=\"audio\"") != std::string::npos)
            result.audioCodecs.insert(codec);
    }
    return result;
}

// What ffprobe calls the stream an encoder writes.
std::string codecOf(const std::string &encoder)
{
    static const std::map<std::string, std::string> names = {{"libx264", "h264"},      {"libxvid", "mpeg4"},
                                                             {"msmpeg4", "msmpeg4v3"}, {"flv", "flv1"},
                                                             {"libmp3lame", "mp3"},    {"libvorbis", "vorbis"}};
    const auto found = names.find(encoder);
    return found == names.end() ? encoder : found->second;
}

// The value after an option in the record's arguments; the last one wins.
std::string optionValue(const QStringList &args, const char *option)
{
    const qsizetype at = args.lastIndexOf(option);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1).toStdString() : std::string();
}

std::string expectedFormat(const QString &extension)
{
    static const std::map<QString, std::string> formats = {
        {".asf", "asf"},   {".wmv", "asf"},          {".wma", "asf"},   {".avi", "avi"},  {".rm", "rm"},
        {".ra", "rm"},     {".flv", "flv"},          {".swf", "swf"},   {".aac", "aac"},  {".ac3", "ac3"},
        {".mp3", "mp3"},   {".mp2", "mp3"},          {".ogg", "ogg"},   {".wav", "wav"},  {".aiff", "aiff"},
        {".au", "au"},     {".amr", "amr"},          {".mpeg", "mpeg"}, {".mpg", "mpeg"}, {".vob", "mpeg"},
        {".ts", "mpegts"}, {".mkv", "matroska,webm"}};
    const auto found = formats.find(extension.toLower());
    return found == formats.end() ? "mov,mp4,m4a,3gp,3g2,mj2" : found->second;
}

class ShippedTemplate : public ::testing::TestWithParam<int> {
public:
    static void SetUpTestSuite()
    {
        s_folder = std::make_unique<TempDir>();
        const std::string clip = s_folder->file("clip.mp4");
        generateMedia("-f lavfi -i testsrc=size=320x240:rate=25:duration=2 -f lavfi -i "
                      "sine=frequency=440:sample_rate=44100:duration=2 -ac 2 -c:v libx264 -pix_fmt yuv420p -c:a aac",
                      clip);
        // Only the ids this run selected, two encoder runs at a time.
        std::vector<int> ids;
        const ::testing::TestSuite *suite = ::testing::UnitTest::GetInstance()->current_test_suite();
        for (int i = 0; i < suite->total_test_count(); ++i)
            if (suite->GetTestInfo(i)->should_run())
                ids.push_back(std::stoi(suite->GetTestInfo(i)->value_param()));
        std::vector<Encoded> results(ids.size());
        std::atomic<size_t> next = 0;
        const auto worker = [&] {
            for (size_t i; (i = next++) < ids.size();) {
                const intputrec rec = recordFor(ids[i], clip, s_folder->path());
                std::vector<std::string> argv = {rec.encoderfile.toStdString()};
                for (const QString &arg : encoderArguments(rec))
                    argv.push_back(arg.toStdString());
                results[i].commandLine = commandLineText(rec).toStdString();
                results[i].run = runProcess(argv, std::chrono::seconds(120));
                results[i].probe = probe(rec.outputfile.toStdString());
            }
        };
        std::vector<std::thread> workers;
        for (int w = 0; w < kParallelRuns; ++w)
            workers.emplace_back(worker);
        for (std::thread &w : workers)
            w.join();
        for (size_t i = 0; i < ids.size(); ++i)
            s_results[ids[i]] = std::move(results[i]);
    }
    static void TearDownTestSuite()
    {
        s_results.clear();
        s_folder.reset();
    }

protected:
    static inline std::unique_ptr<TempDir> s_folder;
    static inline std::map<int, Encoded> s_results;
};

TEST_P(ShippedTemplate, EncodesTheClipIntoThePromisedFormat)
{
    const int id = GetParam();
    const Encoded &encoded = s_results.at(id);
    const ProfileBlock block = readProfileBlock(kBinFolder, id);
    const QString extension = outputExtension(*displayName(id));
    SCOPED_TRACE(encoded.commandLine);
    ASSERT_EQ(encoded.run.exitCode, 0) << encoded.run.output;
    EXPECT_EQ(encoded.probe.format, expectedFormat(extension));

    const QStringList args = encoderArguments(recordFor(id, "in", "out"));
    std::string video = codecOf(optionValue(args, "-vcodec"));
    std::string audio = codecOf(optionValue(args, "-acodec"));
    if (isDiscTarget(id)) {
        video = id == 112 ? "mpeg1video" : "mpeg2video";
        audio = id == 114 ? "ac3" : "mp2";
    } else if (extension == ".amr") {
        audio = "amr_nb";
    }
    const bool hasVideo = block.rateLine != QStringLiteral("*") || isDiscTarget(id);
    EXPECT_EQ(encoded.probe.videoCodecs, hasVideo ? std::set<std::string>{video} : std::set<std::string>{});
    EXPECT_EQ(encoded.probe.audioCodecs, std::set<std::string>{audio});
}

std::vector<int> classicIds()
{
    std::vector<int> ids = catalogueIds();
    std::erase_if(ids, [](int id) { return id >= kFirstModernId; });
    return ids;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, ShippedTemplate, ::testing::ValuesIn(classicIds()),
                         [](const ::testing::TestParamInfo<int> &info) { return "id_" + std::to_string(info.param); });

} // namespace
