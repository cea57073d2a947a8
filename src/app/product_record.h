#pragma once
// A record of the product information file "softinfo.dat": 484 bytes, one per
// edition, holding the help (web) and support links. Each text field is a
// length byte followed by that many single-byte characters.

#include <QByteArray>
#include <QString>
#include <optional>

inline constexpr qsizetype kProductRecordSize = 484;

struct ProductRecord {
    QString name;       // compared with the edition base name, up to 30 characters
    QString unusedLink; // kept in the file, not used by the program
    QString webLink;    // up to 150 characters each
    QString supportLink;
};

// One record in the file's layout; nullopt when a field is too long for its
// slot or holds a character outside Latin-1.
std::optional<QByteArray> encodeProductRecord(const ProductRecord &record);

// The first complete record whose name equals baseName exactly (letter case
// included); a record cut short at the end of the data is not read.
std::optional<ProductRecord> findProductRecord(const QByteArray &data, const QString &baseName);
