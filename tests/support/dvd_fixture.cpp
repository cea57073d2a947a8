#include "dvd_fixture.h"

#include "media_fixtures.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace veltrix::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> scriptArguments(const TestDvdFacts &f)
{
    char rgb[8];
    std::snprintf(rgb, sizeof rgb, "%06x", f.subtitleRgb);
    return {std::to_string(f.width),         std::to_string(f.height),         std::to_string(f.firstTone),
            std::to_string(f.secondTone),    std::to_string(f.subtitleX),      std::to_string(f.subtitleY),
            std::to_string(f.subtitleWidth), std::to_string(f.subtitleHeight), rgb};
}

// FNV-1a over the script and its arguments: a new script or new facts give
// a new folder.
std::string cacheKey(const std::string &script, const std::vector<std::string> &args)
{
    std::uint64_t hash = 14695981039346656037ull;
    auto add = [&hash](const std::string &text) {
        for (unsigned char c : text) {
            hash ^= c;
            hash *= 1099511628211ull;
        }
        hash ^= 0xff;
        hash *= 1099511628211ull;
    };
    add(readFile(script));
    for (const std::string &a : args)
        add(a);
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

void removeStaleFolders(const fs::path &root, const fs::path &keep)
{
    std::error_code ec;
    for (const auto &entry : fs::directory_iterator(root, ec)) {
        const std::string name = entry.path().filename().string();
        if (entry.path() != keep && name.rfind("dvd-", 0) == 0)
            fs::remove_all(entry.path(), ec);
    }
}

// Authors into a private folder and renames it into place, so test
// processes running side by side never see half a disc.
fs::path authoredFolder(const TestDvdFacts &facts)
{
    const std::string script = VELTRIX_TEST_DVD_SCRIPT;
    const std::vector<std::string> args = scriptArguments(facts);
    const fs::path root = VELTRIX_TEST_FIXTURE_DIR;
    const fs::path final = root / ("dvd-" + cacheKey(script, args));
    if (fs::exists(final / "disc"))
        return final;

    fs::create_directories(root);
    std::string pattern = (root / "authoring-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a folder under " + root.string());
    const fs::path work = pattern;

    std::vector<std::string> argv{"bash", script, work.string()};
    argv.insert(argv.end(), args.begin(), args.end());
    const ProcessResult r = runProcess(argv, std::chrono::minutes(2));
    std::error_code ec;
    if (r.exitCode != 0) {
        fs::remove_all(work, ec);
        throw std::runtime_error("authoring the test DVD failed: " + r.output);
    }
    fs::rename(work, final, ec);
    if (ec) // another test process was faster
        fs::remove_all(work, ec);
    removeStaleFolders(root, final);
    return final;
}

} // namespace

std::string TestDvd::ifo(int titleSet) const
{
    return videoTs + "/VTS_0" + std::to_string(titleSet) + "_0.IFO";
}

const TestDvd &testDvd()
{
    static const TestDvd dvd = [] {
        TestDvd d;
        const fs::path folder = authoredFolder(d.facts);
        d.discRoot = (folder / "disc").string();
        d.videoTs = d.discRoot + "/VIDEO_TS";
        d.lowerRoot = (folder / "lower").string();
        d.noVobs = (folder / "novobs").string();
        d.garbage = (folder / "garbage").string();
        return d;
    }();
    return dvd;
}

} // namespace veltrix::test
