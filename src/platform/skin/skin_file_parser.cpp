#include "platform/skin/skin_file_parser.h"

#include "platform/skin/skin.h"
#include "platform/skin/skin_slider_geometry.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStringList>
#include <algorithm>

namespace {

// Window pixels a skin may name: far beyond any screen and far within int, so
// edges, widths and their sums never overflow.
constexpr int kPixelLimit = 100000;

bool withinPixelLimit(const int *values, qsizetype count)
{
    return std::all_of(values, values + count, [](int v) { return v >= -kPixelLimit && v <= kPixelLimit; });
}

// The values of one statement: the raw rest of the line and its words.
struct Value {
    QString rest;
    QStringList words;
};

QString expected(const QString &what, const Value &value)
{
    return QStringLiteral("expected %1, got '%2'").arg(what, value.rest);
}

QString readInts(const Value &value, qsizetype count, int *out)
{
    const auto problem = [&] {
        return expected(QStringLiteral("%1 whole number%2").arg(count).arg(count == 1 ? "" : "s"), value);
    };
    if (value.words.size() != count)
        return problem();
    for (qsizetype i = 0; i < count; ++i) {
        bool ok = false;
        out[i] = value.words[i].toInt(&ok);
        if (!ok)
            return problem();
    }
    return {};
}

QString readColors(const Value &value, QColor *first, QColor *second = nullptr)
{
    const qsizetype most = second ? 2 : 1;
    const QString what = second ? QStringLiteral("one or two colours") : QStringLiteral("a colour");
    if (value.words.isEmpty() || value.words.size() > most)
        return expected(what, value);
    QColor colors[2];
    for (qsizetype i = 0; i < value.words.size(); ++i) {
        colors[i] = QColor::fromString(value.words[i]);
        if (!colors[i].isValid())
            return QStringLiteral("'%1' is not a colour").arg(value.words[i]);
    }
    *first = colors[0];
    if (second)
        *second = colors[1];
    return {};
}

QString readSwitch(const Value &value, bool *out)
{
    if (value.rest == QLatin1String("on") || value.rest == QLatin1String("off")) {
        *out = value.rest == QLatin1String("on");
        return {};
    }
    return expected(QStringLiteral("on or off"), value);
}

QString readPath(const Value &value, const QDir &folder, QString *out)
{
    if (value.rest.isEmpty())
        return expected(QStringLiteral("a picture path"), value);
    *out = folder.filePath(value.rest);
    return {};
}

QString readFont(const Value &value, QString *family, int *size, bool *bold)
{
    QStringList words = value.words;
    *bold = !words.isEmpty() && words.last() == QLatin1String("bold");
    if (*bold)
        words.removeLast();
    bool ok = false;
    *size = words.isEmpty() ? 0 : words.takeLast().toInt(&ok);
    if (!ok || *size <= 0)
        return expected(QStringLiteral("[family] size [bold]"), value);
    *family = words.join(QLatin1Char(' '));
    return {};
}

QString readAlignment(const Value &value, Qt::Alignment *out)
{
    static const QHash<QString, Qt::Alignment> words = {
        {QStringLiteral("left"), Qt::AlignLeft},       {QStringLiteral("hcenter"), Qt::AlignHCenter},
        {QStringLiteral("right"), Qt::AlignRight},     {QStringLiteral("top"), Qt::AlignTop},
        {QStringLiteral("vcenter"), Qt::AlignVCenter}, {QStringLiteral("bottom"), Qt::AlignBottom},
        {QStringLiteral("center"), Qt::AlignCenter},
    };
    if (value.words.isEmpty())
        return expected(QStringLiteral("alignment words"), value);
    Qt::Alignment horizontal = Qt::AlignLeft, vertical = Qt::AlignVCenter;
    for (const QString &word : value.words) {
        const auto it = words.constFind(word);
        if (it == words.constEnd())
            return QStringLiteral("unknown alignment '%1'").arg(word);
        if (*it & Qt::AlignHorizontal_Mask)
            horizontal = *it & Qt::AlignHorizontal_Mask;
        if (*it & Qt::AlignVertical_Mask)
            vertical = *it & Qt::AlignVertical_Mask;
    }
    *out = horizontal | vertical;
    return {};
}

QString unquoted(const QString &text)
{
    const bool quoted = text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"'));
    return quoted ? text.mid(1, text.size() - 2) : text;
}

const QHash<QString, SkinKind> &kindsByWord()
{
    static const QHash<QString, SkinKind> kinds = {
        {QStringLiteral("panel"), SkinKind::Panel},   {QStringLiteral("image"), SkinKind::Image},
        {QStringLiteral("button"), SkinKind::Button}, {QStringLiteral("text"), SkinKind::Text},
        {QStringLiteral("bar"), SkinKind::Bar},       {QStringLiteral("slider"), SkinKind::Slider},
    };
    return kinds;
}

} // namespace

// Walks the lines once, keeping the form and the object being declared.
class SkinFileParser {
public:
    explicit SkinFileParser(const QString &fileName)
        : m_fileName(fileName),
          m_folder(QFileInfo(fileName).absolutePath())
    {}

    SkinParseResult parse(const QString &text);

private:
    QString statement(const QString &key, const Value &value);
    QString startForm(const Value &value);
    QString startObject(const Value &value);
    QString formStatement(const QString &key, const Value &value);
    QString objectStatement(const QString &key, const Value &value);
    using Statement = QString (*)(SkinObject &, const Value &, const QDir &);
    // The keys of an object: its looks, and its shape and contents.
    static const QHash<QString, Statement> &lookStatements();
    static const QHash<QString, Statement> &shapeStatements();
    // Checks the keys the open form header or object must have had.
    QString finishBlock() const;

    QString m_fileName;
    QDir m_folder;
    std::vector<std::unique_ptr<SkinForm>> m_forms;
    SkinForm *m_form = nullptr;
    SkinObject *m_object = nullptr;
    int m_blockLine = 0; // where the open form or object was declared
    bool m_hasSize = false;
    bool m_hasRect = false;
};

SkinParseResult SkinFileParser::parse(const QString &text)
{
    const auto failure = [this](int line, const QString &what) {
        return SkinParseResult{{}, QStringLiteral("%1:%2: %3").arg(m_fileName).arg(line).arg(what)};
    };

    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNumber = int(i + 1);
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const auto blank = std::find_if(line.cbegin(), line.cend(), [](QChar c) { return c.isSpace(); });
        const qsizetype gap = blank == line.cend() ? -1 : blank - line.cbegin();
        const QString key = gap < 0 ? line : line.left(gap);
        Value value;
        value.rest = gap < 0 ? QString() : line.mid(gap).trimmed();
        value.words = value.rest.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);

        if (key == QLatin1String("form") || key == QLatin1String("object")) {
            if (const QString problem = finishBlock(); !problem.isEmpty())
                return failure(m_blockLine, problem);
            m_blockLine = lineNumber;
        }
        if (const QString problem = statement(key, value); !problem.isEmpty())
            return failure(lineNumber, problem);
    }
    if (const QString problem = finishBlock(); !problem.isEmpty())
        return failure(m_blockLine, problem);
    return SkinParseResult{std::move(m_forms), {}};
}

QString SkinFileParser::statement(const QString &key, const Value &value)
{
    if (key == QLatin1String("form"))
        return startForm(value);
    if (key == QLatin1String("object"))
        return startObject(value);
    if (m_object)
        return objectStatement(key, value);
    if (m_form)
        return formStatement(key, value);
    return QStringLiteral("'%1' before any form").arg(key);
}

QString SkinFileParser::startForm(const Value &value)
{
    if (value.words.size() != 1)
        return expected(QStringLiteral("form NAME"), value);
    const QString &name = value.words.first();
    const bool taken =
        std::any_of(m_forms.begin(), m_forms.end(), [&](const auto &form) { return form->m_name == name; });
    if (taken)
        return QStringLiteral("form '%1' is declared twice").arg(name);
    m_forms.push_back(std::make_unique<SkinForm>());
    m_form = m_forms.back().get();
    m_form->m_name = name;
    m_object = nullptr;
    m_hasSize = false;
    return {};
}

QString SkinFileParser::startObject(const Value &value)
{
    if (!m_form)
        return QStringLiteral("object before any form");
    if (value.words.size() != 2)
        return expected(QStringLiteral("object NAME KIND"), value);
    const QString &name = value.words[0];
    const auto kind = kindsByWord().constFind(value.words[1]);
    if (kind == kindsByWord().constEnd())
        return QStringLiteral("unknown object kind '%1'").arg(value.words[1]);
    if (m_form->findObject(name))
        return QStringLiteral("object '%1' is declared twice in form '%2'").arg(name, m_form->m_name);
    m_form->m_objects.push_back(std::make_unique<SkinObject>());
    m_object = m_form->m_objects.back().get();
    m_object->m_name = name;
    m_object->m_kind = *kind;
    m_object->m_form = m_form;
    m_hasRect = false;
    return {};
}

QString SkinFileParser::formStatement(const QString &key, const Value &value)
{
    if (key == QLatin1String("size")) {
        int size[2];
        if (QString problem = readInts(value, 2, size); !problem.isEmpty())
            return problem;
        if (size[0] <= 0 || size[1] <= 0)
            return QStringLiteral("size must be positive");
        if (!withinPixelLimit(size, 2))
            return QStringLiteral("size must be at most %1").arg(kPixelLimit);
        m_form->m_size = QSize(size[0], size[1]);
        m_hasSize = true;
        return {};
    }
    if (key == QLatin1String("background"))
        return readColors(value, &m_form->m_background, &m_form->m_background2);
    if (key == QLatin1String("picture"))
        return readPath(value, m_folder, &m_form->m_backgroundPicture);
    if (key == QLatin1String("focus"))
        return readColors(value, &m_form->m_focusColor);
    return QStringLiteral("unknown form key '%1'").arg(key);
}

const QHash<QString, SkinFileParser::Statement> &SkinFileParser::lookStatements()
{
    static const QHash<QString, Statement> statements = {
        {QStringLiteral("fill"),
         [](SkinObject &o, const Value &v, const QDir &) { return readColors(v, &o.m_color, &o.m_color2); }},
        {QStringLiteral("hover"),
         [](SkinObject &o, const Value &v, const QDir &) { return readColors(v, &o.m_hoverColor); }},
        {QStringLiteral("pressed"),
         [](SkinObject &o, const Value &v, const QDir &) { return readColors(v, &o.m_pressColor); }},
        {QStringLiteral("textcolor"),
         [](SkinObject &o, const Value &v, const QDir &) { return readColors(v, &o.m_textColor); }},
        {QStringLiteral("border"),
         [](SkinObject &o, const Value &v, const QDir &) { return readColors(v, &o.m_borderColor); }},
        {QStringLiteral("thumb"),
         [](SkinObject &o, const Value &v, const QDir &) { return readColors(v, &o.m_thumbColor); }},
        {QStringLiteral("picture"),
         [](SkinObject &o, const Value &v, const QDir &d) { return readPath(v, d, &o.m_picture); }},
        {QStringLiteral("hoverpicture"),
         [](SkinObject &o, const Value &v, const QDir &d) { return readPath(v, d, &o.m_hoverPicture); }},
        {QStringLiteral("font"), [](SkinObject &o, const Value &v,
                                    const QDir &) { return readFont(v, &o.m_fontFamily, &o.m_fontSize, &o.m_bold); }},
        {QStringLiteral("align"),
         [](SkinObject &o, const Value &v, const QDir &) { return readAlignment(v, &o.m_align); }},
        {QStringLiteral("state"),
         [](SkinObject &o, const Value &v, const QDir &) { return readSwitch(v, &o.m_enabled); }},
        {QStringLiteral("visible"),
         [](SkinObject &o, const Value &v, const QDir &) { return readSwitch(v, &o.m_visible); }},
    };
    return statements;
}

const QHash<QString, SkinFileParser::Statement> &SkinFileParser::shapeStatements()
{
    static const QHash<QString, Statement> statements = {
        {QStringLiteral("rect"),
         [](SkinObject &o, const Value &v, const QDir &) {
             int edges[4];
             if (QString problem = readInts(v, 4, edges); !problem.isEmpty())
                 return problem;
             if (!withinPixelLimit(edges, 4))
                 return QStringLiteral("rect edges must lie in -%1..%1").arg(kPixelLimit);
             if (edges[2] < edges[0] || edges[3] < edges[1])
                 return QStringLiteral("rect right/bottom lie before left/top");
             o.m_rect = SkinRect{edges[0], edges[1], edges[2], edges[3]};
             o.m_frame = o.m_rect;
             return QString();
         }},
        {QStringLiteral("anchor"),
         [](SkinObject &o, const Value &v, const QDir &) {
             static const QHash<QString, Qt::Edge> edges = {{QStringLiteral("left"), Qt::LeftEdge},
                                                            {QStringLiteral("top"), Qt::TopEdge},
                                                            {QStringLiteral("right"), Qt::RightEdge},
                                                            {QStringLiteral("bottom"), Qt::BottomEdge}};
             o.m_anchors = {};
             for (const QString &word : v.words) {
                 if (!edges.contains(word))
                     return expected(QStringLiteral("anchor EDGE... (left, top, right, bottom)"), v);
                 o.m_anchors |= edges.value(word);
             }
             if (v.words.isEmpty())
                 return expected(QStringLiteral("anchor EDGE... (left, top, right, bottom)"), v);
             return QString();
         }},
        {QStringLiteral("radius"),
         [](SkinObject &o, const Value &v, const QDir &) {
             if (QString problem = readInts(v, 1, &o.m_radius); !problem.isEmpty())
                 return problem;
             if (o.m_radius < 0 || o.m_radius > kPixelLimit)
                 return QStringLiteral("radius must lie in 0..%1").arg(kPixelLimit);
             return QString();
         }},
        {QStringLiteral("text"),
         [](SkinObject &o, const Value &v, const QDir &) {
             if (!o.textFacet())
                 return QStringLiteral("only buttons and text objects carry text");
             o.m_text = unquoted(v.rest);
             return QString();
         }},
        {QStringLiteral("accesskey"),
         [](SkinObject &o, const Value &v, const QDir &) {
             if (o.m_kind != SkinKind::Button && o.m_kind != SkinKind::Image && o.m_kind != SkinKind::Text)
                 return QStringLiteral("only buttons, images and text objects have an access key");
             if (v.words.size() != 1 || v.words[0].size() != 1 || !v.words[0][0].isLetterOrNumber()
                 || v.words[0][0].unicode() > 0x7f)
                 return expected(QStringLiteral("accesskey LETTER"), v);
             o.m_accessKey = v.words[0][0].toUpper();
             return QString();
         }},
        {QStringLiteral("position"),
         [](SkinObject &o, const Value &v, const QDir &) {
             if (!o.sliderFacet())
                 return QStringLiteral("only sliders have a position");
             if (QString problem = readInts(v, 1, &o.m_position); !problem.isEmpty())
                 return problem;
             if (o.m_position < 0 || o.m_position > kSkinSliderMaximum)
                 return QStringLiteral("position must lie in 0..10000");
             return QString();
         }},
    };
    return statements;
}

QString SkinFileParser::objectStatement(const QString &key, const Value &value)
{
    Statement statement = lookStatements().value(key, shapeStatements().value(key));
    if (!statement)
        return QStringLiteral("unknown object key '%1'").arg(key);
    if (key == QLatin1String("rect"))
        m_hasRect = true;
    return statement(*m_object, value, m_folder);
}

QString SkinFileParser::finishBlock() const
{
    if (m_object && !m_hasRect)
        return QStringLiteral("object '%1' has no rect").arg(m_object->m_name);
    if (!m_object && m_form && !m_hasSize)
        return QStringLiteral("form '%1' has no size").arg(m_form->m_name);
    return {};
}

SkinParseResult parseSkinFile(const QString &text, const QString &fileName)
{
    return SkinFileParser(fileName).parse(text);
}
