#include "preview_dvd.h"

#include "dvd_fixture.h"

#include <filesystem>

AuthoredDvd authoredDvd()
{
    const veltrix::test::TestDvd &dvd = veltrix::test::testDvd();
    AuthoredDvd authored;
    authored.folder = dvd.discRoot;
    authored.vobPath = dvd.videoTs + "/VTS_01_1.VOB";
    authored.vobSectors = static_cast<int>(std::filesystem::file_size(authored.vobPath) / 2048);
    return authored;
}
