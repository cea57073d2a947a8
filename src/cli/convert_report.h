#pragma once
// What veltrix-convert tells while it works, in one of three styles: for a
// person at a terminal, a line per running job and a total line redrawn in
// place; for a log (the output is no terminal), plain lines at most every
// few seconds; for another program (--json), one JSON object per line and
// event. Messages of the converter go to standard error in the first two.

#include <QElapsedTimer>
#include <QString>
#include <cstdio>
#include <vector>

struct RunningJob {
    QString source;
    double percent = 0;
};

class ConvertReport {
public:
    enum class Style { Terminal, Lines, Json };
    // Terminal or Lines, by what standard output is; Json when asked for.
    static Style styleFor(bool json, FILE *out);

    ConvertReport(Style style, FILE *out, FILE *err);

    void added(const QString &source);
    // A message of the converter: a file it cannot add, a job it cannot start.
    void message(const QString &text);
    // The running jobs and the batch's progress (0 to 100) and pace.
    void progress(const std::vector<RunningJob> &jobs, double totalPercent, const QString &pace);
    void finished(const QString &source, const QString &output);
    void failed(const QString &source, const QString &reason);
    // The end: how many finished, the failed ones with their reasons.
    void summary(int finished, const std::vector<std::pair<QString, QString>> &failures);

private:
    void json(const QString &event, std::initializer_list<std::pair<const char *, QString>> fields,
              std::initializer_list<std::pair<const char *, double>> numbers = {});
    // Clears the progress lines drawn last, so a lasting line takes their place.
    void clearProgress();
    void line(FILE *to, const QString &text);

    Style m_style;
    FILE *m_out;
    FILE *m_err;
    int m_progressLines = 0;
    QElapsedTimer m_sinceProgress;
};
