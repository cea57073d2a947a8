#pragma once
// Job lists handed to workers: reading one, the slices of a list for many
// workers, the result files the workers write beside it, and their merge.
// Plain functions, but for the files they read and append to.

#include "jobs/job_list_file.h"
#include "session/conversion_settings.h"

#include <QProcessEnvironment>
#include <QString>
#include <variant>
#include <vector>

struct HandedList {
    StoredJobList list;
    ConversionSettings settings;
};
// The list in the file; why it cannot be run otherwise.
std::variant<HandedList, QString> readHandedList(const QString &path);

// The index-th (from 1) of `count` slices.
struct Shard {
    int index = 1, count = 1;
};
// "K/N", or "slurm": K and N from the environment of a Slurm array task.
std::variant<Shard, QString> parseShard(const QString &text, const QProcessEnvironment &environment);
// Row r (from 0) is in slice K of N when r mod N is K - 1: the slices are
// disjoint, cover the list, and stay the same at every run.
bool inShard(int row, const Shard &shard);

// "<list>.result-K": each worker its own file, so workers on many machines
// never write one file together.
QString resultFilePath(const QString &listPath, const Shard &shard);

struct RowResult {
    int row = -1;
    bool finished = false;
    QString output; // finished: the output's path
    QString reason; // failed: why
};
// Appends the result as a line of JSON and flushes it, so a worker killed
// afterwards has kept it; false when the file cannot be written.
bool appendResult(const QString &path, const RowResult &result);

struct Collected {
    int rows = 0; // the checked rows of the list
    int finished = 0;
    std::vector<RowResult> failed;
    std::vector<int> missing; // rows no worker tells of
};
// The results of a list's workers merged: a row is finished when any worker
// finished it, failed with the last reason told when none did, missing when
// no worker tells of it. `resultTexts`: the result files' contents; a line
// that cannot be read is left out.
Collected collectResults(const std::vector<bool> &checks, const std::vector<QByteArray> &resultTexts);
// The result files of the list at `listPath`.
QStringList resultFilesOf(const QString &listPath);
