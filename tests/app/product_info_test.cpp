// softinfo.dat: the record layout, the lookup by edition base name, where
// the file is found, and message 31 when it or the record is missing.

#include "app/product_info.h"
#include "engine/busy_state.h"
#include "media_fixtures.h"
#include "recording_prompts.h"
#include "ui_text/message_table.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace veltrix::test;

namespace {

QString q(const std::string &s)
{
    return QString::fromStdString(s);
}

QByteArray record(const QString &name, const QString &web)
{
    const std::optional<QByteArray> bytes =
        encodeProductRecord({name, "https://unused/" + name, web, web + "/support"});
    EXPECT_TRUE(bytes.has_value()) << name.toStdString();
    return bytes.value_or(QByteArray());
}

TEST(ProductRecords, TheRecordLayout)
{
    const QByteArray bytes = record("veltrix-dvd-ripper", "https://a/help");
    ASSERT_EQ(bytes.size(), kProductRecordSize);
    EXPECT_EQ(bytes.at(0), 18);
    EXPECT_EQ(bytes.mid(1, 18), "veltrix-dvd-ripper");
    EXPECT_EQ(bytes.at(182), 14);
    EXPECT_EQ(bytes.mid(183, 14), "https://a/help");
    EXPECT_EQ(bytes.at(333), 22);
    EXPECT_EQ(bytes.mid(334, 22), "https://a/help/support");
}

TEST(ProductRecords, FieldsThatDoNotFitAreRefused)
{
    EXPECT_TRUE(encodeProductRecord({QString(30, 'n'), "", QString(150, 'w'), ""}).has_value());
    EXPECT_FALSE(encodeProductRecord({QString(31, 'n'), "", "", ""}).has_value());
    EXPECT_FALSE(encodeProductRecord({"x", "", QString(151, 'w'), ""}).has_value());
    EXPECT_FALSE(encodeProductRecord({QString::fromUtf8("\u4e2d"), "", "", ""}).has_value());
}

TEST(ProductRecords, TheFirstRecordOfAnEqualNameWins)
{
    const QByteArray data = record("Conv", "https://first") + record("Conv", "https://second");
    const auto found = findProductRecord(data, "Conv");
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->webLink, "https://first");
    EXPECT_EQ(found->supportLink, "https://first/support");
}

TEST(ProductRecords, OnlyTheExactNameMatches)
{
    const QString longName(31, 'a');
    const QByteArray data = record("MyConv", "https://mine") + record(longName.left(30), "https://cut");
    struct Case {
        QString baseName;
        bool found;
    } const cases[] = {{"MyConv", true}, {"myconv", false}, {"MYCONV", false},
                       {"MyCon", false}, {longName, false}, {longName.left(30), true}};
    for (const Case &c : cases)
        EXPECT_EQ(findProductRecord(data, c.baseName).has_value(), c.found) << c.baseName.toStdString();
}

TEST(ProductRecords, ATruncatedLastRecordIsNotRead)
{
    const QByteArray whole = record("First", "https://1") + record("Last", "https://2");
    const QByteArray cut = whole.left(kProductRecordSize + 200);
    EXPECT_TRUE(findProductRecord(cut, "First").has_value());
    EXPECT_FALSE(findProductRecord(cut, "Last").has_value());
    EXPECT_TRUE(findProductRecord(whole, "Last").has_value());
}

TEST(ProductRecords, ALengthBeyondItsFieldReadsOnlyTheField)
{
    QByteArray data = record(QString(30, 'n'), "https://w");
    data[0] = char(200); // a damaged length byte
    const auto found = findProductRecord(data, QString(30, 'n'));
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->webLink, "https://w");
}

class ProductInfoFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("XDG_DATA_DIRS", (system1.path() + ":" + system2.path()).c_str(), 1);
        QDir().mkpath(q(install.file("bin")));
        writeFile(install.file("bin/language.info"), readFile(VELTRIX_BIN_DIR "/language.info"));
    }
    void TearDown() override { ::unsetenv("XDG_DATA_DIRS"); }

    void ship(const TempDir &dataDir, const QByteArray &contents)
    {
        QDir().mkpath(q(dataDir.file("veltrix")));
        writeFile(dataDir.file("veltrix/softinfo.dat"), contents.toStdString());
    }
    QString dataFolder() const { return q(install.file("bin")); }

    TempDir system1, system2, install;
    RecordingPrompts prompts;
    BusyState busy;
    MessageTable messages{dataFolder(), prompts, busy};
};

TEST_F(ProductInfoFile, SystemDataFoldersComeBeforeTheProgramsDataFolder)
{
    // Then the data folder itself (installed), then share/veltrix beside it (the build tree).
    EXPECT_EQ(productInfoFolders(dataFolder()),
              (QStringList{q(system1.file("veltrix")), q(system2.file("veltrix")), q(install.file("bin")),
                           q(install.file("share/veltrix"))}));
}

TEST_F(ProductInfoFile, TheRecordOfTheEditionGivesItsLinks)
{
    ship(system2, record("Other", "https://other") + record("MyConv", "https://mine"));
    const ProductRecord found = readProductRecord(dataFolder(), "MyConv", messages);
    EXPECT_EQ(found.webLink, "https://mine");
    EXPECT_EQ(found.supportLink, "https://mine/support");
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(ProductInfoFile, AMissingFileOrRecordShowsMessage31)
{
    const QString message31 = messageLine(QByteArray::fromStdString(readFile(VELTRIX_BIN_DIR "/language.info")), 31);
    ASSERT_FALSE(message31.isEmpty());
    const ProductRecord none = readProductRecord(dataFolder(), "MyConv", messages);
    ship(install, record("Other", "https://other")); // lands in install/veltrix, not share/veltrix
    ship(system1, record("Other", "https://other"));
    const ProductRecord unknown = readProductRecord(dataFolder(), "MyConv", messages);
    for (const ProductRecord &r : {none, unknown}) {
        EXPECT_EQ(r.webLink, "");
        EXPECT_EQ(r.supportLink, "");
    }
    ASSERT_EQ(prompts.shown.size(), 2u);
    for (const auto &shown : prompts.shown) {
        EXPECT_EQ(shown.kind, RecordingPrompts::Kind::Information);
        EXPECT_EQ(shown.text, message31);
    }
}

TEST_F(ProductInfoFile, TheBuildTreeFindsTheShippedFile)
{
    for (const char *edition : {"veltrix-video-converter", "veltrix-dvd-ripper", "veltrix-audio-converter"}) {
        const ProductRecord found = readProductRecord(VELTRIX_BIN_DIR, edition, messages);
        EXPECT_EQ(found.name, edition);
        // The help and support links open sections of the README of the build tree.
        for (const auto &[link, section] :
             {std::pair{found.webLink, "help"}, std::pair{found.supportLink, "support"}}) {
            const QUrl url(link);
            EXPECT_TRUE(url.isLocalFile() && QFileInfo::exists(url.toLocalFile())) << link.toStdString();
            EXPECT_EQ(url.fragment(), section);
        }
    }
    EXPECT_TRUE(prompts.shown.empty());
}

struct LinkCase {
    const char *what;
    QString link;
    QString resolved;
};

void PrintTo(const LinkCase &c, std::ostream *out)
{
    *out << c.what;
}

class ProductLinks : public ::testing::TestWithParam<LinkCase> {};

TEST_P(ProductLinks, ALinkWithoutASchemeNamesAFileBesideTheProductFile)
{
    EXPECT_EQ(resolveProductLink(GetParam().link, "/usr/share/veltrix").toStdString(),
              GetParam().resolved.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProductLinks,
    ::testing::Values(LinkCase{"web_address", "https://veltrix.example/help#a", "https://veltrix.example/help#a"},
                      LinkCase{"relative_section", "../doc/veltrix/README.md#help",
                               "file:///usr/share/doc/veltrix/README.md#help"},
                      LinkCase{"relative_file", "../doc/veltrix/README.md", "file:///usr/share/doc/veltrix/README.md"},
                      LinkCase{"absolute_path", "/opt/help.html#x", "file:///opt/help.html#x"},
                      LinkCase{"blank_in_a_name", "Read Me.md", "file:///usr/share/veltrix/Read Me.md"},
                      LinkCase{"empty", "", ""}),
    [](const ::testing::TestParamInfo<LinkCase> &info) { return std::string(info.param.what); });

} // namespace
