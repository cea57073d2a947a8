// SPDX-License-Identifier: GPL-3.0-or-later
// veltrix-convert: the converter from a terminal or a script, with the
// profiles and settings of the window's editions and no display.

#include "cli/convert_options.h"
#include "cli/convert_report.h"
#include "cli/convert_run.h"
#include "cli/terminal_stand_ins.h"
#include "platform/signals/end_signals.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

namespace {

int usageError(const QString &text)
{
    std::fprintf(stderr, "veltrix-convert: %s\n", qUtf8Printable(text));
    return kUsageError;
}

// --collect: the workers' results of a list as one summary and status.
int collect(const QString &listPath, ConvertReport &report)
{
    const std::variant<HandedList, QString> handed = readHandedList(listPath);
    if (const QString *error = std::get_if<QString>(&handed))
        return usageError(*error);
    std::vector<QByteArray> texts;
    for (const QString &path : resultFilesOf(listPath)) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            texts.push_back(file.readAll());
    }
    const Collected collected = collectResults(std::get<HandedList>(handed).list.checks, texts);
    const StoredJobList &list = std::get<HandedList>(handed).list;
    std::vector<std::pair<QString, QString>> failures;
    for (const RowResult &failed : collected.failed)
        failures.emplace_back(list.rows[failed.row].job.original.sourcePath, failed.reason);
    for (const int row : collected.missing)
        failures.emplace_back(list.rows[row].job.original.sourcePath, QStringLiteral("not converted by any worker"));
    report.summary(collected.finished, failures);
    return failures.empty() ? kAllFinished : kSomeFailed;
}

// The list and slice a --list run converts; a usage error otherwise.
std::variant<ListSlice, QString> sliceOf(const ConvertOptions &options)
{
    std::variant<HandedList, QString> handed = readHandedList(options.list);
    if (const QString *error = std::get_if<QString>(&handed))
        return *error;
    const std::variant<Shard, QString> shard =
        options.shard.isEmpty() ? Shard{} : parseShard(options.shard, QProcessEnvironment::systemEnvironment());
    if (const QString *error = std::get_if<QString>(&shard))
        return *error;
    return ListSlice{options.list, std::move(std::get<HandedList>(handed)), std::get<Shard>(shard)};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const ParsedCommandLine parsed = parseConvertCommandLine(QCoreApplication::arguments().mid(1));
    if (const auto *info = std::get_if<ConvertInfo>(&parsed)) {
        std::fputs(
            qUtf8Printable(*info == ConvertInfo::Help
                               ? convertHelpText()
                               : QStringLiteral("veltrix-convert (Veltrix Video Converter) " VELTRIX_VERSION "\n")),
            stdout);
        return kAllFinished;
    }
    if (const auto *error = std::get_if<ConvertUsageError>(&parsed))
        return usageError(error->text);
    const ConvertOptions &options = std::get<ConvertOptions>(parsed);
    ConvertReport report(ConvertReport::styleFor(options.json, stdout), stdout, stderr);
    if (!options.collect.isEmpty())
        return collect(options.collect, report);
    std::optional<ListSlice> slice;
    if (!options.list.isEmpty()) {
        std::variant<ListSlice, QString> read = sliceOf(options);
        if (const QString *error = std::get_if<QString>(&read))
            return usageError(*error);
        slice = std::move(std::get<ListSlice>(read));
    }
    TerminalPrompts prompts(report, options.recursive);
    NoDesktop desktop;
    ConvertRun run(options, std::move(slice), QCoreApplication::applicationDirPath(), report, prompts, desktop);
    EndSignals systemEnd([&run](int signal) { run.endBySignal(signal); });
    QObject::connect(&run, &ConvertRun::ended, &app, &QCoreApplication::exit);
    run.start();
    return app.exec();
}
