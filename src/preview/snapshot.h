#pragma once
// The snapshot: one still image of the preview row at the shown position,
// written as a ".bmp" file into the output folder by an encoder run of its
// own, which marks no row and starts no job. A run that wrote no image is
// reported, with the encoder's reason when it failed (a folder it may not
// write to).

#include "engine/encoder_run.h"
#include "engine/intputrec.h"

#include <QObject>
#include <QStringList>

class Prompts;
struct RunOutcome;

// What one snapshot is taken of.
struct SnapshotRequest {
    QString inputPath;    // the preview row's source; a DVD job input (at the shown position) for a DVD row
    QString caption;      // the preview row's caption: the image is named after it
    QString outputFolder; // the text of ed_output, read as a batch reads it
    QString sizePiece;    // the chosen profile's size piece (" -s 320x240"), or empty
    QString picturePiece; // its picture fit piece, or empty
    QString timeText;     // the shown position, "HH:MM:SS"
};

// The record of a one-frame run writing `imagePath`: no pieces but the size,
// start, length and format. The run adds the encoder path and working folder.
intputrec snapshotRecord(const SnapshotRequest &request, const QString &imagePath);

class Snapshot : public QObject {
    Q_OBJECT
public:
    // Runs the encoder at `encoder`.
    Snapshot(const EncoderLocation &encoder, Prompts &prompts, QObject *parent = nullptr);

    // Starts the run; refused with a message while the last snapshot's is
    // under way. The command that takes it is refused while a batch converts.
    void take(const SnapshotRequest &request);
    // Whether a snapshot's run is under way.
    bool isTaking() const { return m_run.isRunning(); }
    // The image the last snapshot writes or wrote.
    const QString &imagePath() const { return m_image; }

signals:
    // The image has been written.
    void saved(const QString &imagePath);

private:
    void runEnded(const RunOutcome &outcome);

    const EncoderLocation &m_encoder;
    EncoderRun m_run;
    Prompts &m_prompts;
    QString m_image;
    SnapshotRequest m_request;
    QStringList m_lines; // the encoder's last lines of this snapshot's run
};
