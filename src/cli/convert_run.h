#pragma once
// One run of veltrix-convert over a converter session: applies the command
// line to the session as the window would (profile, choices, output folder,
// jobs at once), adds the files, converts them and reports, and ends with
// the exit status. It never writes the edition's settings or its job list.

#include "cli/convert_options.h"

#include <QObject>
#include <memory>
#include <vector>

class ConvertReport;
class ConverterSession;
class DesktopShell;
class Prompts;

// Exit statuses.
inline constexpr int kAllFinished = 0;
inline constexpr int kSomeFailed = 1;
inline constexpr int kUsageError = 2;

class ConvertRun : public QObject {
    Q_OBJECT
public:
    // `folder`: the executable folder holding register.dat and the data files.
    ConvertRun(ConvertOptions options, const QString &folder, ConvertReport &report, Prompts &prompts,
               DesktopShell &shell);
    ~ConvertRun() override;

    // Begins; ended() follows, perhaps at once.
    void start();
    // SIGINT, SIGTERM or SIGHUP: an add ends, running jobs stop (no file is
    // left under a final name, temporary ones are removed), then the run
    // ends with 128 + the signal's number.
    void endBySignal(int signal);

signals:
    void ended(int exitStatus);

private:
    // Applies the command line to the session; the usage error, if any.
    QString applyOptions();
    void listProfiles();
    void addEnded();
    void showProgress();
    void jobEnded(int row, const QString &output);
    void finish();
    void end(int status);

    ConvertOptions m_options;
    ConvertReport &m_report;
    std::unique_ptr<ConverterSession> m_session;
    std::vector<std::pair<QString, QString>> m_failures;
    int m_finished = 0;
    int m_signal = 0;
    bool m_adding = false;
    bool m_over = false;
};
