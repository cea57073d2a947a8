// `cmake --install` of the build tree into a temporary prefix: each edition
// on the PATH, answering --version and --help without a display, a valid
// desktop entry with its media types and %F, its icon in the hicolor theme at
// every size, the executables alone under lib/veltrix and the data files under
// share/veltrix where the program finds them, and the help links of the
// installed product file reaching the installed README.

#include "app/product_info.h"
#include "engine/busy_state.h"
#include "media_fixtures.h"
#include "recording_prompts.h"
#include "session/data_folder.h"
#include "ui_text/message_table.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QUrl>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace veltrix::test;

namespace {

const int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

struct EditionCase {
    const char *edition;
    bool opensVideo;
};

void PrintTo(const EditionCase &c, std::ostream *out)
{
    *out << c.edition;
}

// The build tree installed once into a temporary prefix, removed at exit.
class InstallTree : public ::testing::Test {
protected:
    struct Install {
        TempDir prefix;
        ProcessResult result = runProcess({VELTRIX_CMAKE, "--install", VELTRIX_BUILD_DIR, "--prefix", prefix.path()},
                                          std::chrono::minutes(2));
    };
    static const Install &install()
    {
        static const Install done;
        return done;
    }
    void SetUp() override { ASSERT_EQ(install().result.exitCode, 0) << install().result.output; }
    static QString installed(const QString &path)
    {
        return QDir(QString::fromStdString(install().prefix.path())).filePath(path);
    }
};

class DesktopInstall : public InstallTree, public ::testing::WithParamInterface<EditionCase> {
protected:
    QString edition() const { return QString::fromLatin1(GetParam().edition); }
    QString entryPath() const { return installed("share/applications/" + edition() + ".desktop"); }
};

TEST_P(DesktopInstall, TheDesktopEntryIsValid)
{
    ASSERT_TRUE(QFileInfo::exists(entryPath()));
    const ProcessResult check = runProcess({"desktop-file-validate", entryPath().toStdString()});
    EXPECT_EQ(check.exitCode, 0) << check.output;
    EXPECT_EQ(check.output, "") << check.output;
}

TEST_P(DesktopInstall, TheEntryStartsItsEditionWithTheFilesAndNamesItsMedia)
{
    const std::string text = readFile(entryPath().toStdString());
    EXPECT_NE(text.find("\nExec=" + std::string(GetParam().edition) + " %F\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nIcon=" + std::string(GetParam().edition) + "\n"), std::string::npos);
    // Every type ends with a semicolon.
    const std::size_t line = text.find("\nMimeType=");
    ASSERT_NE(line, std::string::npos);
    const std::string mime = text.substr(line, text.find('\n', line + 1) - line);
    EXPECT_NE(mime.find("audio/mpeg;"), std::string::npos);
    EXPECT_EQ(mime.find("video/mp4;") != std::string::npos, GetParam().opensVideo);
}

TEST_P(DesktopInstall, TheIconIsInstalledAtEverySize)
{
    for (const int size : kIconSizes) {
        const QString path =
            installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(edition()));
        const QImage icon(path);
        ASSERT_FALSE(icon.isNull()) << path.toStdString();
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel());
        EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0) << "rounded corners are transparent";
    }
}

TEST_P(DesktopInstall, TheEditionOnThePathIsTheProgramUnderItsName)
{
    const QFileInfo onPath(installed("bin/" + edition()));
    ASSERT_TRUE(onPath.isSymLink());
    // The edition is the name the program is started under; the link keeps it.
    EXPECT_EQ(QFileInfo(onPath.symLinkTarget()).fileName(), edition());
    EXPECT_EQ(onPath.canonicalFilePath(),
              QFileInfo(installed("lib/veltrix/veltrix-video-converter")).canonicalFilePath());
    EXPECT_TRUE(onPath.isExecutable());
}

TEST_P(DesktopInstall, TheEditionOnThePathTellsItsVersionAndUseWithoutADisplay)
{
    const auto run = [this](const char *option) {
        return runProcess({"env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM",
                           installed("bin/" + edition()).toStdString(), option});
    };
    const ProcessResult version = run("--version");
    EXPECT_EQ(version.exitCode, 0) << version.output;
    EXPECT_EQ(version.output, std::string(GetParam().edition) + " (Veltrix Video Converter) " VELTRIX_VERSION "\n");
    const ProcessResult help = run("--help");
    EXPECT_EQ(help.exitCode, 0) << help.output;
    EXPECT_EQ(help.output.rfind("Usage: " + std::string(GetParam().edition) + " [FILE|FOLDER]...\n", 0), 0u)
        << help.output;
    EXPECT_NE(help.output.find("--version"), std::string::npos) << help.output;
    EXPECT_EQ(help.output.find("DVD folder") != std::string::npos, edition().contains("dvd")) << help.output;
}

INSTANTIATE_TEST_SUITE_P(Editions, DesktopInstall,
                         ::testing::Values(EditionCase{"veltrix-video-converter", true},
                                           EditionCase{"veltrix-dvd-ripper", true},
                                           EditionCase{"veltrix-audio-converter", false}),
                         [](const ::testing::TestParamInfo<EditionCase> &info) {
                             std::string name = info.param.edition;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST_F(InstallTree, TheDataLiesUnderShareAndTheHelpLinksReachTheReadme)
{
    // The executables alone under lib/; the program finds its data under share/.
    const QString executables = installed("lib/veltrix");
    EXPECT_EQ(QDir(executables).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{"register.dat", "veltrix-audio-converter", "veltrix-convert", "veltrix-dvd-ripper",
                           "veltrix-video-converter"}));
    const QString folder = dataFolderOf(executables);
    EXPECT_EQ(folder, installed("share/veltrix/"));
    for (const char *file : {"skn.skn", "language.info", "profiles.pop", "images/main/2.bmp", "softinfo.dat"})
        EXPECT_TRUE(QFileInfo::exists(QDir(folder).filePath(file))) << file;

    TempDir noData;
    ::setenv("XDG_DATA_DIRS", noData.path().c_str(), 1);
    RecordingPrompts prompts;
    BusyState busy;
    MessageTable messages(folder, prompts, busy);
    const ProductRecord record = readProductRecord(folder, "veltrix-dvd-ripper", messages);
    ::unsetenv("XDG_DATA_DIRS");
    EXPECT_TRUE(prompts.shown.empty());
    const QUrl help(record.webLink);
    ASSERT_TRUE(help.isLocalFile()) << record.webLink.toStdString();
    EXPECT_EQ(help.toLocalFile(), installed("share/doc/veltrix/README.md"));
    EXPECT_EQ(help.fragment(), "help");
    EXPECT_TRUE(QFileInfo::exists(help.toLocalFile()));
    EXPECT_EQ(QUrl(record.supportLink).fragment(), "support");
}

} // namespace
