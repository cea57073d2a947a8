// Ways into the job list besides the Add buttons: drops of files and
// folders, the Delete and Ctrl+O keys, and paths named on the command line;
// and what the user sees where no program opens a folder or link.

#include "window_fixture.h"

#include "app/command_line_open.h"
#include "app/reporting_shell.h"
#include "platform/shell/qt_desktop_shell.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>

using namespace veltrix::test;
using Kind = RecordingPrompts::Kind;

namespace {

class ListInputTest : public WindowTest {
protected:
    static void SetUpTestSuite()
    {
        s_media = std::make_unique<TempDir>();
        for (const char *name : {"one.wav", "two.wav", "folder/x.MP3"}) {
            std::filesystem::create_directories(s_media->file("folder"));
            generateMedia("-f lavfi -i sine=frequency=440:duration=1 -ac 2", s_media->file(name));
        }
        writeFile(s_media->file("folder/notes.txt"), "not media");
        for (const char *folder : {"mixed", "films"})
            std::filesystem::create_directories(s_media->file(folder));
        const std::string picture = "-f lavfi -i testsrc=size=64x48:rate=25:duration=1 ";
        generateMedia(picture + "-c:v libx264 -preset ultrafast", s_media->file("mixed/clip.mp4"));
        generateMedia(picture + "-c:v mpeg4", s_media->file("films/film.mkv"));
        generateMedia("-f lavfi -i sine=duration=1 -c:a libmp3lame", s_media->file("mixed/tone.mp3"));
    }
    static void TearDownTestSuite() { s_media.reset(); }
    static QString media(const char *name) { return QString::fromStdString(s_media->file(name)); }

    // Drags the paths over the list and drops them; whether the list took them.
    bool drop(const QList<QUrl> &urls)
    {
        QMimeData data;
        data.setUrls(urls);
        QWidget *viewport = list()->viewport();
        const QPoint at = viewport->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &dropped);
        return dropped.isAccepted();
    }
    static QList<QUrl> files(const QStringList &paths)
    {
        QList<QUrl> urls;
        for (const QString &path : paths)
            urls << QUrl::fromLocalFile(path);
        return urls;
    }
    QStringList rowPaths() const
    {
        QStringList paths;
        for (int row = 0; row < m_window->session().jobs().rowCount(); ++row)
            paths << m_window->session().jobs().original(row).sourcePath;
        return paths;
    }

    static inline std::unique_ptr<TempDir> s_media;
};

TEST_F(ListInputTest, ADropOfTwoFilesAddsTwoRows)
{
    start();
    ASSERT_TRUE(drop(files({media("one.wav"), media("two.wav")})));
    // Taken in once the drag is over.
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_window->session().jobs().rowCount() == 2; }, 20000));
    EXPECT_EQ(rowPaths(), (QStringList{media("one.wav"), media("two.wav")}));
    EXPECT_EQ(m_window->session().jobs().caption(0), "one");
    EXPECT_EQ(m_window->session().jobs().selectedRow(), 0);
    EXPECT_TRUE(m_prompts.boxes().empty());
}

TEST_F(ListInputTest, ADroppedFolderAddsWhatAddFolderWouldAndOtherDropsAreRefused)
{
    start();
    ASSERT_TRUE(drop(files({media("folder")})));
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_window->session().jobs().rowCount() == 1; }, 20000));
    EXPECT_EQ(rowPaths(), QStringList{QDir(media("folder")).filePath("x.MP3")});

    EXPECT_FALSE(drop({QUrl("https://example.org/clip.mp3")}));
    QTest::qWait(50);
    EXPECT_EQ(m_window->session().jobs().rowCount(), 1);
}

// Folders give video and audio files in the video edition, audio alone in the audio edition, or say once that
// they give nothing; Add File offers the edition's kinds first and opens at the folder last used, after a restart too.
TEST_F(ListInputTest, EachEditionAddsTheMediaKindsItTakes)
{
    const QString clip = media("mixed/clip.mp4"), tone = media("mixed/tone.mp3"), film = media("films/film.mkv");
    struct Case {
        const char *edition;
        QStringList rows; // after Add Folder "mixed", a drop of "films", "mixed" on the command line
        const char *firstFilter, *emptyFolderText;
    } const cases[] = {
        {"veltrix-video-converter", {clip, tone, film, clip, tone}, "*.mp4", nullptr},
        {"veltrix-audio-converter", {tone, tone}, "*.mp3 *.aac", "audio files (.mp3, .m4a"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.edition);
        Tfm_main &w = start(c.edition);
        m_prompts.folderAnswer = media("mixed");
        w.run(MainCommand::AddFolder);
        ASSERT_TRUE(addEnded(w));
        ASSERT_TRUE(drop(files({media("films")})));
        QCoreApplication::processEvents(); // the drop is taken in once the drag is over
        ASSERT_TRUE(addEnded(w));
        openCommandLine(w, {media("mixed")});
        ASSERT_TRUE(addEnded(w));
        EXPECT_EQ(rowPaths(), c.rows);
        ASSERT_EQ(m_prompts.boxes().size(), c.emptyFolderText ? 1u : 0u);
        const QString said = media("films") + "\n\nA folder adds the " + c.emptyFolderText;
        EXPECT_TRUE(!c.emptyFolderText || m_prompts.boxes()[0].text.contains(said));
        w.run(MainCommand::AddFiles);
        EXPECT_TRUE(m_prompts.shown.back().text.section(";;", 0, 0).contains(c.firstFilter));
        EXPECT_EQ(m_prompts.openedAt, media("mixed"));
        EXPECT_TRUE(w.close());
    }
    start().run(MainCommand::AddFiles);
    EXPECT_EQ(m_prompts.openedAt, media("mixed"));
}

TEST_F(ListInputTest, ADropWhileABatchRunsIsRefusedWithTheMessage)
{
    start();
    addFiles({media("one.wav")});
    m_window->run(MainCommand::StartBatch);
    m_window->run(MainCommand::PauseBatch);
    ASSERT_TRUE(m_window->session().isConverting());
    m_prompts.shown.clear();
    ASSERT_TRUE(drop(files({media("two.wav")})));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_prompts.boxes().empty(); }, 5000));
    EXPECT_EQ(m_window->session().jobs().rowCount(), 1);
    EXPECT_EQ(m_prompts.boxes()[0].kind, Kind::Warning);
}

TEST_F(ListInputTest, DeleteRemovesTheSelectedRowsAndCtrlOAddsFiles)
{
    Tfm_main &w = start();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));

    m_prompts.fileAnswers.push_back({media("one.wav"), media("two.wav")});
    QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier);
    ASSERT_TRUE(addEnded(w));
    ASSERT_EQ(w.session().jobs().rowCount(), 2);
    EXPECT_EQ(m_prompts.shown[0].kind, Kind::OpenFiles);

    // The rows added show once the adding is over.
    EXPECT_TRUE(QTest::qWaitFor([&] { return list()->updatesEnabled(); }, 1000));
    list()->setFocus();
    list()->clearSelection();
    selectAlso(0);
    // Space toggles the focused row's check mark.
    w.session().jobs().selectRow(1);
    QTest::keyClick(list(), Qt::Key_Space);
    EXPECT_FALSE(w.session().jobs().isChecked(1));
    list()->clearSelection();
    selectAlso(0);
    QTest::keyClick(list(), Qt::Key_Delete);
    EXPECT_EQ(rowPaths(), QStringList{media("two.wav")});

    // Delete while renaming edits the name, not the list.
    w.run(MainCommand::Rename);
    auto *editor = child<QLineEdit>("edt_tit");
    ASSERT_TRUE(editor->isVisible());
    QTest::keyClick(editor, Qt::Key_Delete);
    EXPECT_EQ(w.session().jobs().rowCount(), 1);
}

// Clear asks first; a rename left empty keeps the name.
TEST_F(ListInputTest, ClearAsksAndAnEmptyRenameKeepsTheName)
{
    Tfm_main &w = start();
    addFiles({media("one.wav")});
    m_prompts.answerYes = false;
    w.run(MainCommand::ClearList);
    ASSERT_EQ(w.session().jobs().rowCount(), 1);
    ASSERT_EQ(m_prompts.boxes().size(), 1u);
    EXPECT_EQ(m_prompts.boxes()[0].kind, Kind::Question);

    auto *editor = child<QLineEdit>("edt_tit");
    for (const QString &typed : {QString(), QStringLiteral("renamed")}) {
        w.run(MainCommand::Rename);
        ASSERT_TRUE(editor->isVisible());
        editor->setText(typed);
        QTest::keyClick(editor, Qt::Key_Return);
        EXPECT_FALSE(editor->isVisible());
        EXPECT_EQ(w.session().jobs().caption(0), typed.isEmpty() ? QStringLiteral("one") : typed);
    }
    m_prompts.answerYes = true;
    w.run(MainCommand::ClearList);
    EXPECT_EQ(w.session().jobs().rowCount(), 0);
}

TEST_F(ListInputTest, PathsOnTheCommandLineAreAddedAsAddFileAddsThem)
{
    start();
    openCommandLine(*m_window,
                    {media("one.wav"), media("missing.wav"), QUrl::fromLocalFile(media("two.wav")).toString()});
    ASSERT_TRUE(addEnded(*m_window));
    EXPECT_EQ(rowPaths(), (QStringList{media("one.wav"), media("two.wav")}));
    ASSERT_EQ(m_prompts.boxes().size(), 1u);
    EXPECT_EQ(m_prompts.boxes()[0].kind, Kind::Information);
    EXPECT_EQ(m_prompts.boxes()[0].text, "missing.wav is not support!");
}

struct PathCase {
    const char *what;
    QString argument;
    QString path;
};

void PrintTo(const PathCase &c, std::ostream *out)
{
    *out << c.what;
}

class CommandLinePaths : public ::testing::TestWithParam<PathCase> {};

TEST_P(CommandLinePaths, BecomeAbsolutePaths)
{
    EXPECT_EQ(commandLinePaths({GetParam().argument}, "/home/u/Videos"), QStringList{GetParam().path});
}

INSTANTIATE_TEST_SUITE_P(Table, CommandLinePaths,
                         ::testing::Values(PathCase{"absolute", "/media/a b.mp4", "/media/a b.mp4"},
                                           PathCase{"relative", "clips/../c.mp3", "/home/u/Videos/c.mp3"},
                                           PathCase{"file_address", "file:///media/a%20b%23.mp4", "/media/a b#.mp4"},
                                           PathCase{"hash_in_a_name", "take#2.wav", "/home/u/Videos/take#2.wav"}),
                         [](const ::testing::TestParamInfo<PathCase> &info) { return std::string(info.param.what); });

// The desktop's real opener, xdg-open, as a script on the PATH that exits
// with the code given, or missing: a failure, however late, is told with the
// folder's path; a success is not.
struct OpenerCase {
    const char *what;
    int exitCode;     // -1: no xdg-open on the PATH
    const char *told; // empty: no message
};

class OpenerFailures : public ::testing::TestWithParam<OpenerCase> {};

TEST_P(OpenerFailures, AreToldWithThePath)
{
    TempDir bin;
    if (GetParam().exitCode >= 0) {
        writeFile(bin.file("xdg-open"), "#!/bin/sh\nsleep 0.2\nexit " + std::to_string(GetParam().exitCode) + "\n");
        QFile::setPermissions(QString::fromStdString(bin.file("xdg-open")),
                              QFileDevice::ExeOwner | QFileDevice::ReadOwner);
    }
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(bin.path()));
    QtDesktopShell desktop;
    RecordingPrompts prompts;
    ReportingShell shell(desktop, prompts);
    shell.openFolder("/home/u/Videos");
    qputenv("PATH", path);
    const std::string told = GetParam().told;
    if (told.empty()) {
        QTest::qWait(1000);
        EXPECT_TRUE(prompts.shown.empty());
        return;
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts.shown.empty(); }, 5000));
    EXPECT_EQ(prompts.shown[0].kind, Kind::Warning);
    EXPECT_TRUE(prompts.shown[0].text.contains(QString::fromStdString(told))) << prompts.shown[0].text.toStdString();
    EXPECT_TRUE(prompts.shown[0].text.contains("The folder is: /home/u/Videos"));
}

INSTANTIATE_TEST_SUITE_P(Table, OpenerFailures,
                         ::testing::Values(OpenerCase{"no_handler", 3, "ended with error 3"},
                                           OpenerCase{"missing", -1, "no program to open it is installed"},
                                           OpenerCase{"opened", 0, ""}),
                         [](const ::testing::TestParamInfo<OpenerCase> &info) { return std::string(info.param.what); });

TEST_F(ListInputTest, TheHelpLinksOpenTheReadmeSections)
{
    Tfm_main &w = start();
    w.run(MainCommand::OpenWebLink);
    w.run(MainCommand::OpenSupportLink);
    ASSERT_EQ(m_shell.openedLinks.size(), 2);
    const QUrl help(m_shell.openedLinks[0]);
    const QUrl support(m_shell.openedLinks[1]);
    EXPECT_EQ(help.fragment(), "help");
    EXPECT_EQ(support.fragment(), "support");
    ASSERT_TRUE(help.isLocalFile());
    EXPECT_EQ(help.toLocalFile(), QDir::cleanPath(kWindowBin + "/../share/doc/veltrix/README.md"));
    const QString readme = QString::fromStdString(readFile(help.toLocalFile().toStdString()));
    EXPECT_TRUE(readme.contains("\n## Help\n"));
    EXPECT_TRUE(readme.contains("\n## Support\n"));
}

} // namespace
