#pragma once
// How the jobs of one batch ended.

#include <QString>
#include <QStringList>

struct BatchTally {
    int finished = 0;
    int failed = 0;
    int stopped = 0;
    // "<caption>: <reason>" of each failed job that could not even start (a
    // DVD taken out, a title gone), counted among the failed.
    QStringList notStarted;
    bool operator==(const BatchTally &) const = default;
};

// "2 finished, 1 failed, 0 stopped"
QString batchSummaryText(const BatchTally &tally);

// The message after a batch some of whose jobs could not start: each with
// its reason.
QString notStartedText(const BatchTally &tally);
