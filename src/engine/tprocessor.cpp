#include "engine/tprocessor.h"

TProcessor::TProcessor(QProcess *process, qsizetype chunkSize, LineHandler handler, QObject *parent)
    : QObject(parent),
      m_process(process),
      m_chunkSize(chunkSize),
      m_handler(std::move(handler))
{
    connect(process, &QProcess::readyRead, this, &TProcessor::readChunks);
}

void TProcessor::setSuspended(bool suspended)
{
    m_suspended = suspended;
    if (!suspended)
        readChunks();
}

void TProcessor::drain()
{
    m_suspended = false;
    readChunks();
}

void TProcessor::readChunks()
{
    while (!m_suspended && m_process && m_process->bytesAvailable() > 0) {
        QByteArray chunk = m_process->read(m_chunkSize);
        if (chunk.isEmpty())
            return;
        // The chunk counts as text up to its first NUL byte.
        const qsizetype nul = chunk.indexOf('\0');
        if (nul >= 0)
            chunk.truncate(nul);
        m_buffer += chunk;
        m_handler(m_buffer);
    }
}
