#pragma once
// Output naming: the folder rule and the first free output path of a job.
// An existing file is never overwritten.

#include <QString>
#include <QStringList>

// The folder text with its trailing "/" (created, last level only, when missing).
QString prepareOutputFolder(const QString &folderText);

// How the first candidate name is made from the caption. DVD captions are
// indented ("  Chapter_03"); their first candidate drops the leading blanks,
// the numbered ones keep the caption whole.
enum class FirstName { WholeCaption, WithoutLeadingBlanks };

// folder + caption with its extension replaced by `extension` (".mp3"); while
// that file exists or is one of `claimed` (the outputs of jobs running
// beside it, not written yet), folder + caption + "_N" + extension for N = 1,
// 2, 3, ... A "/" in the caption becomes "_", so the file always lands in the folder.
QString outputPathFor(const QString &folderWithSlash, const QString &caption, const QString &extension,
                      FirstName firstName = FirstName::WholeCaption, const QStringList &claimed = {});
