#include "cli/convert_report.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <unistd.h>

namespace {

constexpr qint64 kLinesIntervalMs = 5000;
constexpr qint64 kTerminalIntervalMs = 200;

} // namespace

ConvertReport::Style ConvertReport::styleFor(bool json, FILE *out)
{
    if (json)
        return Style::Json;
    return isatty(fileno(out)) ? Style::Terminal : Style::Lines;
}

ConvertReport::ConvertReport(Style style, FILE *out, FILE *err) : m_style(style), m_out(out), m_err(err) {}

void ConvertReport::line(FILE *to, const QString &text)
{
    std::fprintf(to, "%s\n", qUtf8Printable(text));
    std::fflush(to);
}

void ConvertReport::json(const QString &event, std::initializer_list<std::pair<const char *, QString>> fields,
                         std::initializer_list<std::pair<const char *, double>> numbers)
{
    QJsonObject object{{QStringLiteral("event"), event}};
    for (const auto &[name, text] : fields)
        object.insert(QLatin1String(name), text);
    for (const auto &[name, number] : numbers)
        object.insert(QLatin1String(name), number);
    line(m_out, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)));
}

void ConvertReport::clearProgress()
{
    if (m_style != Style::Terminal || m_progressLines == 0)
        return;
    std::fprintf(m_out, "\x1b[%dA\x1b[J", m_progressLines);
    m_progressLines = 0;
}

void ConvertReport::added(const QString &source)
{
    if (m_style == Style::Json)
        return json(QStringLiteral("added"), {{"source", source}});
    clearProgress();
    line(m_out, QStringLiteral("Added %1").arg(source));
}

void ConvertReport::message(const QString &text)
{
    if (m_style == Style::Json)
        return json(QStringLiteral("message"), {{"text", text}});
    clearProgress();
    line(m_err, text);
}

void ConvertReport::progress(const std::vector<RunningJob> &jobs, double totalPercent, const QString &pace)
{
    const qint64 interval = m_style == Style::Lines ? kLinesIntervalMs : kTerminalIntervalMs;
    if (m_sinceProgress.isValid() && m_sinceProgress.elapsed() < interval)
        return;
    m_sinceProgress.start();
    if (m_style == Style::Json) {
        for (const RunningJob &job : jobs)
            json(QStringLiteral("progress"), {{"source", job.source}}, {{"percent", job.percent}});
        return json(QStringLiteral("total"), {{"pace", pace}}, {{"percent", totalPercent}});
    }
    clearProgress();
    for (const RunningJob &job : jobs)
        line(m_out, QStringLiteral("%1%  %2").arg(job.percent, 6, 'f', 2).arg(job.source));
    line(m_out, QStringLiteral("%1%  total  %2").arg(totalPercent, 6, 'f', 2).arg(pace));
    if (m_style == Style::Terminal)
        m_progressLines = static_cast<int>(jobs.size()) + 1;
}

void ConvertReport::finished(const QString &source, const QString &output)
{
    if (m_style == Style::Json)
        return json(QStringLiteral("finished"), {{"source", source}, {"output", output}});
    clearProgress();
    line(m_out, QStringLiteral("Finished %1 -> %2").arg(source, output));
}

void ConvertReport::failed(const QString &source, const QString &reason)
{
    if (m_style == Style::Json)
        return json(QStringLiteral("failed"), {{"source", source}, {"reason", reason}});
    clearProgress();
    line(m_out, QStringLiteral("Failed %1: %2").arg(source, reason));
}

void ConvertReport::summary(int finished, const std::vector<std::pair<QString, QString>> &failures)
{
    if (m_style == Style::Json)
        return json(QStringLiteral("end"), {}, {{"finished", double(finished)}, {"failed", double(failures.size())}});
    clearProgress();
    line(m_out, QStringLiteral("%1 finished, %2 failed").arg(finished).arg(failures.size()));
    for (const auto &[source, reason] : failures)
        line(m_out, QStringLiteral("  %1: %2").arg(source, reason));
}
