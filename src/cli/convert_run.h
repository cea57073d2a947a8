#pragma once
// One run of veltrix-convert over a converter session. It applies the
// command line to the session as the window would (profile, choices, output
// folder, jobs at once), then either adds the files named and converts them,
// adds them and writes a planned list for workers, or converts a slice of a
// handed list and writes its results beside it. It reports as it goes and
// ends with the exit status. It never writes the edition's settings or its
// job list.

#include "cli/convert_options.h"
#include "cli/handed_list.h"

#include <QObject>
#include <memory>
#include <optional>
#include <vector>

class ConvertReport;
class ConverterSession;
class DesktopShell;
class Prompts;

// Exit statuses.
inline constexpr int kAllFinished = 0;
inline constexpr int kSomeFailed = 1;
inline constexpr int kUsageError = 2;

// A handed list, and the slice of it this run converts.
struct ListSlice {
    QString path;
    HandedList handed;
    Shard shard;
};

class ConvertRun : public QObject {
    Q_OBJECT
public:
    // `folder`: the executable folder holding register.dat and the data
    // files. A run of a list takes its edition and settings from the list.
    ConvertRun(ConvertOptions options, std::optional<ListSlice> slice, const QString &folder, ConvertReport &report,
               Prompts &prompts, DesktopShell &shell);
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
    // The command line's cut of the row, if it gives one.
    void cut(int row);
    // A DVD folder's titles, or chapters, as the DVD Ripper lists them:
    // those named checked, with the audio track and subtitle named.
    void listDvd();
    void usageError(const QString &text);
    // Writes the planned list: every row's output name decided now.
    void writePlan();
    // Puts the slice's rows in the list, those already converted unchecked.
    void takeSlice();
    void convert();
    void showProgress();
    void jobEnded(int row, const QString &output);
    void finish();
    void end(int status);

    ConvertOptions m_options;
    std::optional<ListSlice> m_slice;
    ConvertReport &m_report;
    std::unique_ptr<ConverterSession> m_session;
    std::vector<std::pair<QString, QString>> m_failures;
    int m_finished = 0;
    int m_signal = 0;
    bool m_adding = false;
    bool m_over = false;
};
