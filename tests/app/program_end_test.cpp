// The program ended mid-job, as a shutdown, a logout or a crash ends it,
// through the program itself (tests/app/program_host_main.cpp): no encoder
// outlives it and no file lies under an output's name unless it is whole.
// The real program ended during its start-up, and started twice.

#include "media_fixtures.h"

#include <QDir>
#include <QString>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <cstring>
#include <gtest/gtest.h>
#include <algorithm>
#include <regex>
#include <thread>

using namespace veltrix::test;
using namespace std::chrono_literals;

namespace {

constexpr double kClipSeconds = 120;

class ProgramEnd : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_media = std::make_unique<TempDir>();
        generateMedia("-f lavfi -i testsrc=size=320x240:rate=25:duration=120 -f lavfi -i sine=duration=120 "
                      "-c:v libx264 -preset ultrafast -c:a aac",
                      s_media->file("clip.mp4"));
    }
    static void TearDownTestSuite() { s_media.reset(); }

    void SetUp() override
    {
        ::setenv("XDG_CONFIG_HOME", m_settings.path().c_str(), 1);
        ::setenv("XDG_STATE_HOME", m_state.path().c_str(), 1);
        // The program's lock and socket: tests running side by side never meet.
        ::setenv("XDG_RUNTIME_DIR", m_runtime.path().c_str(), 1);
        // DivX AVI: two minutes of video take a few seconds.
        std::filesystem::create_directories(m_settings.path() + "/veltrix");
        writeFile(m_settings.path() + "/veltrix/veltrix-video-converter.ini", "[profiles]\nselcetsubindex=2\n");
    }
    void TearDown() override
    {
        ::unsetenv("XDG_CONFIG_HOME");
        ::unsetenv("XDG_STATE_HOME");
        ::unsetenv("XDG_RUNTIME_DIR");
    }

    std::vector<std::string> hostCommand() const { return {PROGRAM_HOST, m_output.path(), s_media->file("clip.mp4")}; }
    // Waits until the host's job converts; the encoder's process group.
    static pid_t converting(ChildProcess &host)
    {
        const std::regex line(R"(converting (\d+)\n)");
        std::smatch found;
        EXPECT_TRUE(host.readUntil([&](const std::string &out) { return std::regex_search(out, line); }, 60s))
            << host.output();
        return std::regex_search(host.output(), found, line) ? static_cast<pid_t>(std::stol(found[1])) : 0;
    }
    static bool groupEnds(pid_t group)
    {
        for (int i = 0; i < 200 && !livingProcessesInGroup(group).empty(); ++i)
            std::this_thread::sleep_for(50ms);
        return livingProcessesInGroup(group).empty();
    }
    QStringList outputs(QDir::Filters hidden = {}) const
    {
        return QDir(QString::fromStdString(m_output.path())).entryList(QDir::Files | hidden);
    }

    static inline std::unique_ptr<TempDir> s_media;
    // Whether a program of the edition holds its lock.
    bool running(const QString &edition) const
    {
        const QDir folder(QString::fromStdString(m_runtime.file("veltrix")));
        for (const QString &lock : folder.entryList({edition + "-*.lock"})) {
            const int fd = ::open(folder.filePath(lock).toLocal8Bit().constData(), O_RDONLY | O_CLOEXEC);
            const bool held = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0;
            ::close(fd);
            return held;
        }
        return false;
    }

    TempDir m_settings, m_state, m_output, m_runtime;
};

// Killed outright, the program leaves its run's file under its temporary
// name only; the next start removes it and converts the clip whole.
TEST_F(ProgramEnd, AKilledProgramLeavesNoOutputAndTheNextStartRemovesItsFile)
{
    {
        ChildProcess host(hostCommand());
        const pid_t encoder = converting(host);
        ASSERT_GT(encoder, 0);
        ::kill(host.pid(), SIGKILL);
        ASSERT_TRUE(host.wait(5s).has_value());
        EXPECT_TRUE(groupEnds(encoder));
        EXPECT_EQ(outputs(), QStringList());
        EXPECT_EQ(outputs(QDir::Hidden).size(), 1) << "the killed run's file, under its temporary name";
    }
    // The host adds the clip itself: the list the killed program kept goes.
    for (const QString &list : QDir(QString::fromStdString(m_state.file("veltrix"))).entryList({"*.jobs"}))
        QFile::remove(QString::fromStdString(m_state.file("veltrix/")) + list);
    ChildProcess again(hostCommand());
    ASSERT_TRUE(again.readUntil([](const std::string &out) { return out.find("ended\n") != std::string::npos; }, 180s))
        << again.output();
    ASSERT_EQ(outputs(QDir::Hidden), QStringList{"clip.avi"});
    EXPECT_NEAR(std::stod("0" + ffprobeField(m_output.file("clip.avi"), "format=duration")), kClipSeconds, 0.1);
}

// SIGTERM, SIGHUP and SIGINT end the program in order within 5 s: the job
// is stopped as a failure ends it, no file of it is left, its log ends with
// the cause and the settings are saved.
TEST_F(ProgramEnd, TheSystemsSignalsEndTheProgramInOrder)
{
    const QDir logs(QString::fromStdString(m_state.file("veltrix/logs")));
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(::strsignal(signal));
        ChildProcess host(hostCommand());
        const pid_t encoder = converting(host);
        ASSERT_GT(encoder, 0);
        const auto sent = std::chrono::steady_clock::now();
        ::kill(host.pid(), signal);
        EXPECT_EQ(host.wait(5s), 128 + signal) << host.output();
        EXPECT_LT(std::chrono::steady_clock::now() - sent, 5s);
        EXPECT_TRUE(livingProcessesInGroup(encoder).empty());
        EXPECT_EQ(outputs(QDir::Hidden), QStringList());
        const QStringList written = logs.entryList(QDir::Files, QDir::Time);
        ASSERT_FALSE(written.isEmpty());
        EXPECT_NE(readFile(logs.filePath(written.first()).toStdString())
                      .find(": Failed: the program was ended by the system\n"),
                  std::string::npos);
    }
    const std::string settings = readFile(m_settings.path() + "/veltrix/veltrix-video-converter.ini");
    EXPECT_NE(settings.find("path=" + m_output.path()), std::string::npos) << settings;
}

// Ended while it adds many files (given on its command line), the program
// still ends, rather than spinning in the add's wait (the limit leaves room
// for a sanitizer build's slow exit).
TEST_F(ProgramEnd, AnEndDuringALongAddIsTakenAtOnce)
{
    std::vector<std::string> command(400, s_media->file("clip.mp4"));
    command.insert(command.begin(), VELTRIX_BIN_DIR "/veltrix-video-converter");
    ChildProcess program(command);
    std::this_thread::sleep_for(1500ms); // 400 probes take several seconds
    ::kill(program.pid(), SIGTERM);
    EXPECT_EQ(program.wait(10s), 128 + SIGTERM) << program.output();
}

// The system's end while a start-up notice is open (a damaged settings file,
// one over a megabyte), also with a file to add: the program exits at once,
// writes no settings and no job list it did not read, and adds nothing.
TEST_F(ProgramEnd, AnEndDuringAStartUpNoticeSavesNothingUnread)
{
    const std::string settings = m_settings.path() + "/veltrix/veltrix-video-converter.ini";
    const std::string damaged = "[output]\npath=/kept\nnot a setting\n[profiles]\nselcetsubindex=2\nFinishSelcet=1\n";
    const std::string large = "[output]\npath=/kept\n" + std::string(1 << 20, ';');
    for (const auto &[contents, withFile] : {std::pair{damaged, false}, std::pair{damaged, true}, std::pair{large, true}}) {
        SCOPED_TRACE(contents.size() + withFile);
        writeFile(settings, contents);
        QFile::remove(QString::fromStdString(settings + ".bak"));
        std::vector<std::string> command{VELTRIX_BIN_DIR "/veltrix-video-converter"};
        if (withFile)
            command.push_back(s_media->file("clip.mp4"));
        ChildProcess program(command);
        // The notice follows the copy of the damaged file at once.
        for (int i = 0; i < 200 && !QFile::exists(QString::fromStdString(settings + ".bak")); ++i)
            std::this_thread::sleep_for(50ms);
        std::this_thread::sleep_for(500ms);
        ::kill(program.pid(), SIGTERM);
        EXPECT_EQ(program.wait(5s), 128 + SIGTERM) << program.output();
        EXPECT_EQ(readFile(settings + ".bak"), contents);
        EXPECT_EQ(QFile::exists(QString::fromStdString(settings)), contents == damaged);
        if (contents == damaged) {
            EXPECT_EQ(readFile(settings), damaged);
        }
        EXPECT_FALSE(QFile::exists(QString::fromStdString(m_state.file("veltrix/veltrix-video-converter.jobs"))));
    }
}

// One program per edition: a second start hands its file to the running one
// and exits; a program killed outright is taken over by the next start;
// another edition runs on its own.
TEST_F(ProgramEnd, ASecondStartHandsItsFilesToTheRunningProgram)
{
    const std::string program = VELTRIX_BIN_DIR "/veltrix-video-converter";
    const auto rows = [this] { // one a line
        const QByteArray list = QByteArray::fromStdString(readFile(m_state.file("veltrix/veltrix-video-converter.jobs")));
        return static_cast<std::size_t>(std::ranges::count_if(list.split('\n'), [](const QByteArray &line) {
            return line.contains("clip.mp4");
        }));
    };
    for (std::size_t round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        ChildProcess first({program});
        for (int i = 0; i < 200 && !running("veltrix-video-converter"); ++i)
            std::this_thread::sleep_for(50ms);
        ASSERT_TRUE(running("veltrix-video-converter"));
        EXPECT_EQ(runProcess({program, s_media->file("clip.mp4")}, 20s).exitCode, 0);
        for (int i = 0; i < 200 && rows() < round; ++i)
            std::this_thread::sleep_for(50ms);
        EXPECT_EQ(rows(), round) << "the row the first restored and the one handed to it";
        if (round == 1) {
            ::kill(first.pid(), SIGKILL);
            first.wait(5s);
            continue;
        }
        ChildProcess audio({VELTRIX_BIN_DIR "/veltrix-audio-converter"});
        for (int i = 0; i < 200 && !running("veltrix-audio-converter"); ++i)
            std::this_thread::sleep_for(50ms);
        EXPECT_TRUE(running("veltrix-audio-converter"));
        for (ChildProcess *ended : {&first, &audio}) {
            ::kill(ended->pid(), SIGTERM);
            EXPECT_EQ(ended->wait(5s), 128 + SIGTERM) << ended->output();
        }
    }
}

} // namespace
