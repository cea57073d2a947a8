#include "ui_text/message_table.h"

#include "engine/busy_state.h"
#include "platform/skin/skin.h"
#include "ui_text/prompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <utility>

QString messageLine(const QByteArray &contents, int n)
{
    if (n < 1)
        return {};
    qsizetype start = 0;
    for (int line = 1; line < n; ++line) {
        const qsizetype lf = contents.indexOf('\n', start);
        if (lf < 0)
            return {};
        start = lf + 1;
    }
    if (start >= contents.size())
        return {};
    const qsizetype lf = contents.indexOf('\n', start);
    QByteArray line = contents.mid(start, lf < 0 ? -1 : lf - start);
    if (line.endsWith('\r'))
        line.chop(1);
    return QString::fromUtf8(line);
}

QString hintLineText(int n, const QString &line, const QString &editionBaseName)
{
    return n == Message::EditionHint ? line + u' ' + editionBaseName + u'.' : line;
}

int hintNumberFor(const QString &skinObjectName)
{
    // Object names with a hint of their own, first match wins.
    static const std::array<std::pair<const char *, int>, 25> kHints{{
        {"profiles", 3},       {"profilestext", 3}, {"openfiles", 22},    {"chapter", 15},      {"ifoopen", 2},
        {"dvdopen", 1},        {"openfolder", 21},  {"converter", 17},    {"remove", 23},       {"clear", 24},
        {"stopconverter", 18}, {"browse", 19},      {"open", 20},         {"play", 10},         {"stopplay", 12},
        {"pause", 11},         {"cutter", 16},      {"play_bar", 13},     {"play_time", 14},    {"audio", 4},
        {"subtitle", 5},       {"video_size", 6},   {"video_quality", 7}, {"audio_quality", 8}, {"channels", 9},
    }};
    for (const auto &[name, number] : kHints)
        if (skinObjectName == QLatin1StringView(name))
            return number;
    return Message::EditionHint;
}

MessageTable::MessageTable(QString dataFolder, Prompts &prompts, const BusyState &busy)
    : m_path(QDir(dataFolder).filePath(QStringLiteral("language.info"))),
      m_prompts(prompts),
      m_busy(busy)
{}

std::optional<QByteArray> MessageTable::readFile() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return contents;
}

QString MessageTable::unreadableText() const
{
    return QStringLiteral("The message file language.info is missing or unreadable in %1. "
                          "Reinstall the program to restore it.")
        .arg(QFileInfo(m_path).absolutePath());
}

void MessageTable::setHint(const QString &text)
{
    if (!m_hint || !m_hint->textFacet())
        return;
    m_hint->textFacet()->setText(text);
    m_hint->commonFacet()->redraw();
}

void MessageTable::showHint(int n)
{
    // During a batch the hint line keeps showing the conversion status.
    if (m_busy.converting())
        return;
    const std::optional<QByteArray> contents = readFile();
    // A hint never pops up a box: the hint line itself tells what is wrong.
    setHint(contents ? hintLineText(n, messageLine(*contents, n), m_baseName) : unreadableText());
}

std::optional<QString> MessageTable::text(int n)
{
    const std::optional<QByteArray> contents = readFile();
    if (!contents) {
        m_prompts.warning(unreadableText());
        return std::nullopt;
    }
    return messageLine(*contents, n);
}

void MessageTable::warning(int n)
{
    if (const std::optional<QString> message = text(n))
        m_prompts.warning(*message);
}

void MessageTable::information(int n)
{
    if (const std::optional<QString> message = text(n))
        m_prompts.information(*message);
}

bool MessageTable::question(int n)
{
    const std::optional<QString> message = text(n);
    return message && m_prompts.question(*message);
}
