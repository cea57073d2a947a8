#pragma once
// How the jobs of one batch ended.

#include <QString>

struct BatchTally {
    int finished = 0;
    int failed = 0;
    int stopped = 0;
    bool operator==(const BatchTally &) const = default;
};

// "2 finished, 1 failed, 0 stopped"
QString batchSummaryText(const BatchTally &tally);
