#include "app/product_record.h"

namespace {

// Offset and capacity (characters after the length byte) of each field.
struct Field {
    qsizetype offset;
    qsizetype capacity;
};
constexpr Field kName{0, 30};
constexpr Field kUnusedLink{31, 150};
constexpr Field kWebLink{182, 150};
constexpr Field kSupportLink{333, 150};

QString readField(const QByteArray &record, Field field)
{
    const auto length = qMin<qsizetype>(static_cast<unsigned char>(record.at(field.offset)), field.capacity);
    return QString::fromLatin1(record.mid(field.offset + 1, length));
}

bool writeField(QByteArray &record, Field field, const QString &text)
{
    const QByteArray bytes = text.toLatin1();
    if (bytes.size() > field.capacity || QString::fromLatin1(bytes) != text)
        return false;
    record[field.offset] = static_cast<char>(bytes.size());
    record.replace(field.offset + 1, bytes.size(), bytes);
    return true;
}

} // namespace

std::optional<QByteArray> encodeProductRecord(const ProductRecord &r)
{
    QByteArray record(kProductRecordSize, '\0');
    if (writeField(record, kName, r.name) && writeField(record, kUnusedLink, r.unusedLink)
        && writeField(record, kWebLink, r.webLink) && writeField(record, kSupportLink, r.supportLink))
        return record;
    return std::nullopt;
}

std::optional<ProductRecord> findProductRecord(const QByteArray &data, const QString &baseName)
{
    for (qsizetype at = 0; at + kProductRecordSize <= data.size(); at += kProductRecordSize) {
        const QByteArray record = data.mid(at, kProductRecordSize);
        if (readField(record, kName) == baseName)
            return ProductRecord{readField(record, kName), readField(record, kUnusedLink), readField(record, kWebLink),
                                 readField(record, kSupportLink)};
    }
    return std::nullopt;
}
