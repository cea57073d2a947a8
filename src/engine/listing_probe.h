#pragma once
// Reads what a file holds (register.dat "-i" alone) in the background, for a
// window that shows it. A new start drops the run before it, and so does the
// probe's end: no run outlives its reader.

#include "engine/intputrec.h"
#include "engine/media_listing.h"

#include <QObject>
#include <functional>
#include <memory>

class ChildRun;

class ListingProbe : public QObject {
    Q_OBJECT
public:
    explicit ListingProbe(EncoderLocation location, QObject *parent = nullptr);
    ~ListingProbe() override;

    // Starts the probe and returns at once; `done` gets the listing (empty
    // where the file could not be read) once every byte is read.
    void start(const QString &mediaPath, std::function<void(const MediaListing &)> done);

private:
    EncoderLocation m_location;
    std::unique_ptr<ChildRun> m_run;
    QByteArray m_output;
};
