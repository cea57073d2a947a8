#pragma once
// The picture loader of the windows: reads a picture file (BMP or any format
// Qt reads) or says why it cannot. A ".bmp" file is read by Qt's own BMP
// reader first, which spares loading every other format's plugin to probe
// the file; what that reader cannot read is read in the format Qt detects.

#include <QImage>
#include <QPixmap>
#include <QSet>
#include <QSize>
#include <QString>
#include <stdexcept>

// A picture file could not be loaded. what() is the text for the user:
// Cannot open file "<path>". <reason>
class PictureFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// On a scaled desktop (a device pixel ratio above 1), the picture's drawing
// at twice its size, "<name>@2x.png" beside it, is read instead when there
// is one, with a device pixel ratio of 2, so it shows at the same size, sharp.
//
// Throws PictureFileError when the file is missing, unreadable or not a
// picture. The pixmap needs a QGuiApplication; the image does not.
QImage loadPictureImage(const QString &path);
QPixmap loadPictureFile(const QString &path);
// The same without a report: a null image when the file cannot be loaded.
QImage readPicture(const QString &path);
// The picture's size from its header; invalid when it cannot be read.
QSize pictureSize(const QString &path);
// Opens the file without reading its pixels; throws PictureFileError, with
// the same text, when it cannot be opened.
void checkPictureFile(const QString &path);
// The names in a folder, from one listing and without opening any file:
// which pictures are there. Empty when the folder cannot be listed.
QSet<QString> namesInFolder(const QString &folder);
