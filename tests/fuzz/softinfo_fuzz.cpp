// softinfo.dat through the record reader. The input is the file's bytes.
// - Looking up any name in any file is safe; a record found carries the name
//   looked up, and a file cut short of a whole record is never read into.
// - Write-then-read: fields taken from the input (NUL-separated, as Latin-1)
//   encode exactly when each fits its slot, and a record appended to the file
//   reads back field by field unless an earlier record has the same name.

#include "fuzz_support.h"

#include "app/product_record.h"

using namespace veltrix::fuzz;

namespace {

constexpr qsizetype kNameCapacity = 30;
constexpr qsizetype kLinkCapacity = 150;

} // namespace

static bool operator==(const ProductRecord &a, const ProductRecord &b)
{
    return a.name == b.name && a.unusedLink == b.unusedLink && a.webLink == b.webLink && a.supportLink == b.supportLink;
}

namespace {

void checkLookup(const QByteArray &file, const QString &name)
{
    const std::optional<ProductRecord> found = findProductRecord(file, name);
    if (!found)
        return;
    FUZZ_EXPECT(found->name == name, "a record found carries the name looked up");
    const qsizetype whole = file.size() - file.size() % kProductRecordSize;
    FUZZ_EXPECT(findProductRecord(file.left(whole), name) == found, "a cut-short record is never read");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray file(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    // The first record's name, as its length byte gives it.
    const qsizetype firstNameLength = file.isEmpty() ? 0 : qMin<qsizetype>(quint8(file[0]), kNameCapacity);
    const QString firstName = QString::fromLatin1(file.mid(1, firstNameLength));
    for (const QString &name : {firstName, QStringLiteral("veltrix-video-converter"), QString()})
        checkLookup(file, name);

    std::vector<QByteArray> fields = fieldsOf(file);
    fields.resize(4);
    const ProductRecord record{QString::fromLatin1(fields[0]), QString::fromLatin1(fields[1]),
                               QString::fromLatin1(fields[2]), QString::fromLatin1(fields[3])};
    const bool fits = fields[0].size() <= kNameCapacity && fields[1].size() <= kLinkCapacity
                      && fields[2].size() <= kLinkCapacity && fields[3].size() <= kLinkCapacity;
    const std::optional<QByteArray> encoded = encodeProductRecord(record);
    FUZZ_EXPECT(encoded.has_value() == fits, "a record encodes exactly when every field fits its slot");
    if (!encoded)
        return 0;
    FUZZ_EXPECT(encoded->size() == kProductRecordSize, "an encoded record fills one slot");
    const QByteArray whole = file.left(file.size() - file.size() % kProductRecordSize);
    const std::optional<ProductRecord> earlier = findProductRecord(whole, record.name);
    const std::optional<ProductRecord> read = findProductRecord(whole + *encoded, record.name);
    FUZZ_EXPECT(read.has_value(), "an appended record is found");
    FUZZ_EXPECT(earlier ? *read == *earlier : *read == record, "a record reads back field by field");
    return 0;
}
