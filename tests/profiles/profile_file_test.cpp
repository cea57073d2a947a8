#include "media_fixtures.h"
#include "profiles/catalogue.h"
#include "profiles/profile_file.h"
#include "profiles/profile_file_check.h"

#include <QBuffer>
#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace veltrix::test;

namespace {

TEST(ProfileFile, TokenizingRule)
{
    const std::pair<const char *, QStringList> cases[] = {
        {"320x240 640x480", {"320x240", "640x480"}},
        {"320x240 640x480 x", {"320x240", "640x480"}}, // a last one-character token is dropped
        {"320x240  640x480", {"320x240"}},             // two blanks end the list
        {" 320x240 640x480", {}},                      // a leading blank yields nothing
        {"320x240 640x480 ", {"320x240", "640x480"}},  // a trailing blank is harmless
        {"*", {}},
        {"", {}},
        {"200 400 600 800 1000", {"200", "400", "600", "800", "1000"}},
        {"640x480(VGA) 7", {"640x480(VGA)"}},
        {"ab", {"ab"}},
    };
    for (const auto &[line, tokens] : cases)
        EXPECT_EQ(tokenizeLine(QString::fromLatin1(line)), tokens) << line;
}

// A file whose line n reads "L<n>", ended by `end`.
QByteArray numberedLines(int count, const char *end = "\n")
{
    QByteArray text;
    for (int n = 1; n <= count; ++n)
        text += "L" + QByteArray::number(n) + end;
    return text;
}

TEST(ProfileFile, ReadsTheBlockByPositionAndStopsAfterItsLastLine)
{
    for (const char *end : {"\n", "\r\n"}) {
        const QByteArray text = numberedLines(132 * 4, end);
        for (const int id : {1, 17, 131}) {
            QBuffer buffer;
            buffer.setData(text);
            buffer.open(QIODevice::ReadOnly);
            const ProfileBlock block = readProfileBlock(buffer, id);
            EXPECT_EQ(block.sizeLine, QStringLiteral("L%1").arg(4 * id - 2));
            EXPECT_EQ(block.rateLine, QStringLiteral("L%1").arg(4 * id - 1));
            EXPECT_EQ(block.argumentTemplate, QStringLiteral("L%1").arg(4 * id));
            EXPECT_EQ(buffer.pos(), numberedLines(4 * id, end).size()) << "read past line " << 4 * id;
        }
    }
}

TEST(ProfileFile, AShortFileLeavesTheMissingLinesAbsent)
{
    const std::tuple<int, bool, bool, bool> cases[] = {
        {64, false, false, false}, {65, false, false, false}, {66, true, false, false}, {67, true, true, false}};
    for (const auto &[lines, size, rate, argumentTemplate] : cases) {
        QBuffer buffer;
        buffer.setData(numberedLines(lines));
        buffer.open(QIODevice::ReadOnly);
        const ProfileBlock block = readProfileBlock(buffer, 17);
        EXPECT_EQ(block.sizeLine.has_value(), size) << lines;
        EXPECT_EQ(block.rateLine.has_value(), rate) << lines;
        EXPECT_EQ(block.argumentTemplate.has_value(), argumentTemplate) << lines;
    }
}

TEST(ProfileFile, TemplateIsKeptVerbatim)
{
    TempDir dir;
    writeFile(dir.file("profiles.pop"), "name\n320x240\n1 2 3 4 5\n -vcodec mpeg4  -acodec aac  \n");
    const ProfileBlock block = readProfileBlock(QString::fromStdString(dir.path()), 1);
    EXPECT_EQ(block.argumentTemplate, QStringLiteral(" -vcodec mpeg4  -acodec aac  "));
}

TEST(ProfileFile, MissingOrUnreadableFileRaisesAMessageForTheUser)
{
    TempDir dir;
    const QString folder = QString::fromStdString(dir.path());
    try {
        readProfileBlock(folder, 1);
        FAIL() << "no error for a missing file";
    } catch (const ProfileFileError &error) {
        const QString message = QString::fromUtf8(error.what());
        EXPECT_TRUE(message.contains("profiles.pop") && message.contains(folder) && message.contains("Reinstall"))
            << error.what();
    }
    ASSERT_TRUE(QDir(folder).mkdir("profiles.pop")); // exists, but cannot be read as a file
    EXPECT_THROW(readProfileBlock(folder, 1), ProfileFileError);
}

} // namespace

namespace {

// The shipped file: every catalogue profile offers sizes "WxH" with an
// optional "(label)", and either "*" for no video (or a stream copy) or five
// rising rates, or five falling constant-quality levels.
TEST(ShippedProfileFile, EveryBlockReadsAsItsProfileNeeds)
{
    const QRegularExpression size(QStringLiteral("^[1-9][0-9]*x[1-9][0-9]*(\\([^ ()]+\\))?$"));
    for (int id = kFirstProfileId; id <= kLastProfileId; ++id) {
        if (!displayName(id) || isDiscTarget(id))
            continue;
        const ProfileBlock block = readProfileBlock(QStringLiteral(VELTRIX_BIN_DIR), id);
        ASSERT_TRUE(block.argumentTemplate) << id;
        const QStringList sizes = tokenizeLine(*block.sizeLine);
        EXPECT_EQ(sizes.size(), block.sizeLine->count(u' ') + (sizes.isEmpty() ? 0 : 1))
            << id << " every size is offered";
        for (const QString &token : sizes)
            EXPECT_TRUE(size.match(token).hasMatch()) << id << " " << token.toStdString();
        if (*block.rateLine == QStringLiteral("*")) {
            EXPECT_TRUE(sizes.isEmpty() && (isAudioOnly(id) || qualityMode(id) == QualityMode::StreamCopy)) << id;
            continue;
        }
        EXPECT_FALSE(isAudioOnly(id)) << id;
        const QStringList rates = tokenizeLine(*block.rateLine);
        ASSERT_EQ(rates.size(), 5) << id;
        const bool levels = qualityMode(id) == QualityMode::ConstantQuality;
        for (int k = 1; k < 5; ++k)
            EXPECT_EQ(rates[k - 1].toInt() > rates[k].toInt(), levels) << id;
    }
}

// A missing or extra line shifts every later block: the first block whose
// name line is not its position's catalogue name is found, so the program
// can say where the shipped file is damaged.
struct MisplacedCase {
    const char *what;
    QByteArray (*damage)(QList<QByteArray> lines);
    std::optional<int> position;
};

QByteArray joined(const QList<QByteArray> &lines, const char *end = "\n")
{
    return lines.join(end) + end;
}

TEST(ShippedProfileFile, AMisplacedBlockIsFoundByItsNameLine)
{
    const QByteArray shipped = QByteArray::fromStdString(readFile(VELTRIX_BIN_DIR "/profiles.pop"));
    QList<QByteArray> lines = shipped.split('\n');
    lines.removeLast();
    const MisplacedCase cases[] = {
        {"as shipped", [](QList<QByteArray> l) { return joined(l); }, std::nullopt},
        {"CR LF line ends", [](QList<QByteArray> l) { return joined(l, "\r\n"); }, std::nullopt},
        {"size line of 17 missing",
         [](QList<QByteArray> l) {
             l.removeAt(65);
             return joined(l);
         },
         18},
        {"extra line after block 1",
         [](QList<QByteArray> l) {
             l.insert(4, "extra");
             return joined(l);
         },
         2},
        {"name of 15 changed",
         [](QList<QByteArray> l) {
             l[56] = "AAC";
             return joined(l);
         },
         15},
        {"line missing in blank 26",
         [](QList<QByteArray> l) {
             l.removeAt(101);
             return joined(l);
         },
         27},
        {"ends inside block 131", [](QList<QByteArray> l) { return joined(l.mid(0, 522)); }, 131},
    };
    for (const MisplacedCase &c : cases)
        EXPECT_EQ(firstMisplacedBlock(c.damage(lines)), c.position) << c.what;
}

} // namespace
