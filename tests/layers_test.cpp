// The folders of src/ stand in layers, lowest first: a file includes from its
// own folder's layer and those below it only, so the platform's stand-ins use
// nothing of ours and the engine reaches into no job, profile or window.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <string>
#include <vector>

namespace {

// The two front ends over the session, the command line and the windows, come last.
const std::vector<std::string> kLayers = {"platform", "ui_look", "engine",  "ui_text", "profiles", "jobs",
                                          "dvd",      "preview", "session", "cli",     "windows",  "app"};

std::size_t layerOf(const std::string &folder)
{
    const auto at = std::find(kLayers.begin(), kLayers.end(), folder);
    return static_cast<std::size_t>(at - kLayers.begin());
}

TEST(Layers, NoFolderIncludesFromAHigherOne)
{
    const std::filesystem::path src = std::filesystem::path(VELTRIX_SOURCE_DIR) / "src";
    const std::regex include(R"(^\s*#\s*include\s+"([a-z_]+)/)");
    int files = 0;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(src)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".h" && ext != ".cpp")
            continue;
        ++files;
        const std::string folder = entry.path().lexically_relative(src).begin()->string();
        ASSERT_LT(layerOf(folder), kLayers.size()) << "a folder of no layer: " << folder;
        std::ifstream file(entry.path());
        std::smatch match;
        for (std::string line; std::getline(file, line);)
            if (std::regex_search(line, match, include)) {
                EXPECT_LE(layerOf(match[1]), layerOf(folder)) << entry.path().string() << ": " << line;
            }
    }
    EXPECT_GT(files, 100);
}

} // namespace
