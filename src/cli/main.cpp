// SPDX-License-Identifier: GPL-3.0-or-later
// veltrix-convert: the converter from a terminal or a script, with the
// profiles and settings of the window's editions and no display.

#include "cli/convert_options.h"
#include "cli/convert_report.h"
#include "cli/convert_run.h"
#include "cli/terminal_stand_ins.h"
#include "platform/signals/end_signals.h"

#include <QCoreApplication>
#include <cstdio>

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
    if (const auto *error = std::get_if<ConvertUsageError>(&parsed)) {
        std::fprintf(stderr, "veltrix-convert: %s\n", qUtf8Printable(error->text));
        return kUsageError;
    }
    const ConvertOptions &options = std::get<ConvertOptions>(parsed);
    ConvertReport report(ConvertReport::styleFor(options.json, stdout), stdout, stderr);
    TerminalPrompts prompts(report, options.recursive);
    NoDesktop desktop;
    ConvertRun run(options, QCoreApplication::applicationDirPath(), report, prompts, desktop);
    EndSignals systemEnd([&run](int signal) { run.endBySignal(signal); });
    QObject::connect(&run, &ConvertRun::ended, &app, &QCoreApplication::exit);
    run.start();
    return app.exec();
}
