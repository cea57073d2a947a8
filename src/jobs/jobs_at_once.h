#pragma once
// How many jobs of a batch run at once: the user's "Jobs at once" setting,
// and for Automatic the rule measured per encoder (bench/encoders.sh): a
// profile whose encoders each keep one core busy runs one job per core, any
// other profile one job at a time.

#include <QString>
#include <QStringList>

struct ProfileChoices;

// The setting's value: Automatic, or a number of jobs from 1 to the cores.
inline constexpr int kJobsAtOnceAutomatic = 0;

// The encoders a profile's argument template runs, for an output with
// `extension`: the names after "-vcodec" and "-acodec", those of a disc
// target ("-target pal-dvd"), and "amr_nb" for an AMR output, which
// register.dat encodes itself.
QStringList profileEncoders(const QString &argumentTemplate, const QString &extension);
// The encoders of the profile the choices were taken from.
QStringList profileEncoders(const ProfileChoices &choices);

// Whether every encoder of the list keeps a single core busy; an encoder not
// measured counts as using several.
bool usesOneCore(const QStringList &encoders);

// The processor cores of this machine.
int processorCores();

// The choices the Tools menu and the Settings dialog offer, each at the
// position of its setting: "Automatic", "1", "2", ... up to `cores`.
QStringList jobsAtOnceCaptions(int cores);

// The stored setting as the batch takes it: Automatic for a value outside 0
// to `cores`.
int jobsAtOnceSetting(int stored, int cores);

// How many jobs run at once under `setting` for a profile with these
// encoders, on a machine with `cores` processor cores.
int jobsAtOnce(int setting, const QStringList &encoders, int cores);
