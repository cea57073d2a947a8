#include "dvd_fixture.h"

#include "media_fixtures.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

using namespace veltrix::test;

AuthoredDvd authorDvd(const std::string &parent)
{
    const std::string title = parent + "/title.mpg";
    generateMedia("-f lavfi -i testsrc=size=352x288:rate=25:duration=4 -f lavfi -i sine=f=440:d=4 "
                  "-f lavfi -i sine=f=880:d=4 -map 0:v -map 1:a -map 2:a -c:v mpeg2video -b:v 2M "
                  "-c:a:0 ac3 -c:a:1 mp2 -ar 48000 -aspect 4:3 -f dvd",
                  title);
    AuthoredDvd dvd;
    dvd.folder = parent + "/dvd";
    // The menu pass has no option for the video format.
    ::setenv("VIDEO_FORMAT", "PAL", 1);
    for (const std::vector<std::string> &command :
         {std::vector<std::string>{"dvdauthor", "-o", dvd.folder, "-t", "-a", "ac3+en,mp2+de", title},
          std::vector<std::string>{"dvdauthor", "-o", dvd.folder, "-T"}}) {
        const ProcessResult result = runProcess(command);
        if (result.exitCode != 0)
            throw std::runtime_error("dvdauthor failed: " + result.output);
    }
    dvd.vobPath = dvd.folder + "/VIDEO_TS/VTS_01_1.VOB";
    dvd.vobSectors = int(std::filesystem::file_size(dvd.vobPath) / 2048);
    return dvd;
}
