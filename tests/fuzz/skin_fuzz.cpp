// Skin files through the skin parser. The input is the file's text.
// - A file is either read whole or refused with "FILE:LINE: problem", the
//   line being one of the file's.
// - Every rectangle read lies within the pixel limits, with its right and
//   bottom edges not before its left and top, so widths and edges computed
//   from it never overflow.
// - Windows line ends change nothing.

#include "fuzz_support.h"

#include "platform/skin/skin.h"
#include "platform/skin/skin_file_parser.h"

#include <QRegularExpression>
#include <QSet>

using namespace veltrix::fuzz;

namespace {

constexpr int kPixelLimit = 100000;
const QString kFileName = QStringLiteral("fuzz.skn");

bool withinLimit(qint32 value)
{
    return value >= -kPixelLimit && value <= kPixelLimit;
}

void checkError(const SkinParseResult &result, const QString &text)
{
    static const QRegularExpression errorForm(QStringLiteral("^fuzz\\.skn:(\\d+): .+"),
                                              QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = errorForm.match(result.error);
    FUZZ_EXPECT(match.hasMatch(), "a refusal reads FILE:LINE: problem");
    const qsizetype line = match.captured(1).toLongLong();
    FUZZ_EXPECT(line >= 1 && line <= text.count(u'\n') + 1, "a refusal names one of the file's lines");
    FUZZ_EXPECT(result.forms.empty(), "a refused file gives no forms");
}

void checkForms(const SkinParseResult &result)
{
    QSet<QString> formNames;
    for (const auto &form : result.forms) {
        FUZZ_EXPECT(!formNames.contains(form->name()), "form names are unique");
        formNames.insert(form->name());
        for (const auto &object : form->objects()) {
            const SkinRect r = object->rect();
            FUZZ_EXPECT(withinLimit(r.left) && withinLimit(r.top) && withinLimit(r.right) && withinLimit(r.bottom),
                        "rect edges lie within the limits");
            FUZZ_EXPECT(r.right >= r.left && r.bottom >= r.top, "a rect's right and bottom lie past its left and top");
            const QRect qrect = object->qrect();
            FUZZ_EXPECT(qrect.width() == r.right - r.left && qrect.height() == r.bottom - r.top,
                        "a rect's width and height are its edges' distances");
            FUZZ_EXPECT(form->findObject(object->name()) != nullptr, "every object is found by its name");
        }
    }
}

QStringList outcomeOf(const SkinParseResult &result)
{
    QStringList outcome{result.error};
    for (const auto &form : result.forms)
        for (const auto &object : form->objects())
            outcome << form->name() + u'/' + object->name() + u'/' + object->text();
    return outcome;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const SkinParseResult result = parseSkinFile(text, kFileName);
    FUZZ_EXPECT(result.ok() == result.error.isEmpty(), "a file is read whole or refused");
    if (result.ok())
        checkForms(result);
    else
        checkError(result, text);
    const SkinParseResult crlf = parseSkinFile(QString(text).replace(u'\n', QStringLiteral("\r\n")), kFileName);
    FUZZ_EXPECT(outcomeOf(crlf) == outcomeOf(result), "Windows line ends change nothing");
    return 0;
}
