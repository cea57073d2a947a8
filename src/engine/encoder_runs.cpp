#include "engine/encoder_runs.h"

#include <algorithm>

EncoderRuns::EncoderRuns(QObject *parent) : QObject(parent)
{
    at(0);
}

void EncoderRuns::setExecutableFolder(const QString &folder)
{
    for (const std::unique_ptr<EncoderRun> &run : m_runs)
        run->setExecutableFolder(folder);
    m_location = m_runs.front()->location();
}

EncoderRun &EncoderRuns::at(int index)
{
    while (count() <= index) {
        m_runs.push_back(std::make_unique<EncoderRun>());
        if (!m_location.encoderfile.isEmpty())
            m_runs.back()->setExecutableFolder(m_location.workdir);
    }
    return *m_runs[index];
}

bool EncoderRuns::anyRunning() const
{
    return std::any_of(m_runs.begin(), m_runs.end(), [](const auto &run) { return run->isRunning(); });
}
