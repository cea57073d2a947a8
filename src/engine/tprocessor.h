#pragma once
// The output reader of an encoder run: takes what the encoder writes in small
// chunks, keeps the text no handler has consumed yet, and hands every chunk to
// the line handler at once.

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QProcess>
#include <functional>

class TProcessor : public QObject {
    Q_OBJECT
public:
    using LineHandler = std::function<void(QByteArray &buffer)>;

    // chunkSize: 256 for conversion runs (progress reaches the screen at
    // once), 2048 for probes.
    TProcessor(QProcess *process, qsizetype chunkSize, LineHandler handler, QObject *parent = nullptr);

    // While suspended nothing is read; the encoder blocks once the pipe is full.
    void setSuspended(bool suspended);
    // Reads and handles everything still available (used before completion).
    void drain();

private:
    void readChunks();

    QPointer<QProcess> m_process;
    qsizetype m_chunkSize;
    LineHandler m_handler;
    QByteArray m_buffer; // the accumulation buffer
    bool m_suspended = false;
};
