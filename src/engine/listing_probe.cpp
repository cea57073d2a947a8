#include "engine/listing_probe.h"

#include "engine/media_probe.h"

ListingProbe::ListingProbe(EncoderLocation location, QObject *parent) : QObject(parent), m_location(std::move(location))
{}

ListingProbe::~ListingProbe() = default;

void ListingProbe::start(const QString &mediaPath, std::function<void(const MediaListing &)> done)
{
    // Deleting a run ends its process group without a report.
    m_run = std::make_unique<ChildRun>();
    m_output.clear();
    connect(m_run.get(), &ChildRun::finished, this, [this, done = std::move(done)](const RunOutcome &outcome) {
        done(outcome.kind == RunOutcome::Kind::Stalled ? MediaListing{} : readMediaListing(m_output));
    });
    m_run->start(probeRunOptions(m_location.encoderfile, m_location.workdir, mediaPath), [this](QByteArray &buffer) {
        m_output += buffer;
        buffer.clear();
    });
}
