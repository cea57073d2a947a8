// The picture loader over real files: BMP and PNG pictures written by Qt, a
// PNG under a ".bmp" name, a file that is no picture, a missing file, and the
// shipped pictures of the build tree.

#include "platform/picture/picture_file.h"

#include "media_fixtures.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

using veltrix::test::TempDir;

const QSize kSize(7, 5);

// A picture with a different colour in every corner, so a flipped or shifted
// reading shows.
QImage pattern()
{
    QImage image(kSize, QImage::Format_RGB32);
    image.fill(QColor(0x20, 0x40, 0x60));
    image.setPixelColor(0, 0, Qt::red);
    image.setPixelColor(6, 0, Qt::green);
    image.setPixelColor(0, 4, Qt::blue);
    image.setPixelColor(6, 4, Qt::white);
    return image;
}

QImage comparable(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

struct FileCase {
    const char *what;
    const char *name;
    const char *format; // written by Qt in this format; nullptr: the text "not a picture"
    bool readable;
};

void PrintTo(const FileCase &c, std::ostream *out)
{
    *out << c.what;
}

class PictureFile : public ::testing::TestWithParam<FileCase> {
protected:
    QString write(const FileCase &c)
    {
        const QString path = QString::fromStdString(m_dir.file(c.name));
        if (c.format) {
            EXPECT_TRUE(pattern().save(path, c.format));
        } else {
            QFile file(path);
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("not a picture");
        }
        return path;
    }
    TempDir m_dir;
};

TEST_P(PictureFile, ReadsWhatIsAPictureWhateverItsName)
{
    const FileCase &c = GetParam();
    const QString path = write(c);
    const QImage image = readPicture(path);
    if (!c.readable) {
        EXPECT_TRUE(image.isNull());
        EXPECT_FALSE(pictureSize(path).isValid());
        try {
            loadPictureFile(path);
            ADD_FAILURE() << "no error";
        } catch (const PictureFileError &error) {
            const QString text = QString::fromStdString(error.what());
            const QString start = QStringLiteral("Cannot open file \"%1\". ").arg(path);
            EXPECT_TRUE(text.startsWith(start)) << error.what();
            EXPECT_GT(text.size(), start.size()) << "no reason given";
        }
        return;
    }
    EXPECT_EQ(comparable(image), pattern());
    EXPECT_EQ(pictureSize(path), kSize);
    EXPECT_EQ(comparable(loadPictureFile(path).toImage()), pattern());
}

INSTANTIATE_TEST_SUITE_P(Files, PictureFile,
                         ::testing::Values(FileCase{"Bmp", "picture.bmp", "BMP", true},
                                           FileCase{"UpperCaseBmpName", "PICTURE.BMP", "BMP", true},
                                           FileCase{"PngNamedBmp", "picture.bmp", "PNG", true},
                                           FileCase{"Png", "picture.png", "PNG", true},
                                           FileCase{"TextNamedBmp", "picture.bmp", nullptr, false},
                                           FileCase{"TextNamedPng", "picture.png", nullptr, false}),
                         [](const auto &info) { return std::string(info.param.what); });

TEST(PictureFileMissing, IsNullAndReportedWithTheSystemsReason)
{
    TempDir dir;
    const QString path = QString::fromStdString(dir.file("absent.bmp"));
    EXPECT_TRUE(readPicture(path).isNull());
    EXPECT_FALSE(pictureSize(path).isValid());
    for (const auto &load :
         {+[](const QString &p) { loadPictureFile(p); }, +[](const QString &p) { checkPictureFile(p); }}) {
        try {
            load(path);
            ADD_FAILURE() << "no error";
        } catch (const PictureFileError &error) {
            EXPECT_EQ(QString::fromStdString(error.what()),
                      QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(path));
        }
    }
}

// The shipped pictures read as Qt reads them when it detects their format.
TEST(ShippedPictures, ReadAsQtDetectsThem)
{
    QDirIterator pictures(QStringLiteral(VELTRIX_BIN_DIR "/images"), {QStringLiteral("*.bmp")}, QDir::Files,
                          QDirIterator::Subdirectories);
    int count = 0;
    while (pictures.hasNext()) {
        const QString path = pictures.next();
        SCOPED_TRACE(path.toStdString());
        const QImage detected(path);
        ASSERT_FALSE(detected.isNull());
        EXPECT_EQ(comparable(readPicture(path)), comparable(detected));
        EXPECT_EQ(pictureSize(path), detected.size());
        ++count;
    }
    EXPECT_GT(count, 132);
}

TEST(NamesInFolder, ListsEveryEntryAndNothingElse)
{
    TempDir dir;
    const QString folder = QString::fromStdString(dir.path());
    for (const char *name : {"1.bmp", ".hidden.bmp"}) {
        QFile file(folder + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QFile::link(folder + "/1.bmp", folder + "/2.bmp"));
    ASSERT_TRUE(QFile::link(folder + "/gone.bmp", folder + "/3.bmp"));
    ASSERT_TRUE(QDir(folder).mkdir("sub"));

    EXPECT_EQ(namesInFolder(folder), (QSet<QString>{"1.bmp", ".hidden.bmp", "2.bmp", "3.bmp", "sub"}));
    EXPECT_TRUE(namesInFolder(folder + "/absent").isEmpty());
}

} // namespace
