#pragma once
// The program's encoder runs: one per job that may run at once, each made
// the first time it is needed, all starting register.dat from the same
// executable folder.

#include "engine/encoder_run.h"

#include <QObject>
#include <memory>
#include <vector>

class EncoderRuns : public QObject {
    Q_OBJECT
public:
    explicit EncoderRuns(QObject *parent = nullptr);

    // The encoder path and working folder of every run (and of the probes).
    void setExecutableFolder(const QString &folder);
    const EncoderLocation &location() const { return m_location; }

    // Run `index`, made with the runs before it when it does not exist yet.
    EncoderRun &at(int index);
    int count() const { return static_cast<int>(m_runs.size()); }
    // Whether any run has an encoder under way (a stopped one finishing its file included).
    bool anyRunning() const;

private:
    EncoderLocation m_location;
    std::vector<std::unique_ptr<EncoderRun>> m_runs;
};
