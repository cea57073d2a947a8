// The main window's conversion bar and hint line around a batch: the run's
// progress, the paused look and the summary at the end.

#include "app/tfm_main.h"

#include "jobs/batch.h"

void Tfm_main::createConversionDisplay()
{
    m_display = std::make_unique<ConversionDisplay>(
        ConversionDisplay::Surface{.showBar = [this](qint32 value) { m_convertBar.show(value); },
                                   .greyBar =
                                       [this](bool greyed) {
                                           // A bar whose state is off is painted grey.
                                           if (!m_skinRefs.convertpos)
                                               return;
                                           m_skinRefs.convertpos->commonFacet()->setState(!greyed);
                                           m_skinRefs.convertpos->commonFacet()->redraw();
                                       },
                                   .showHint = [this](const QString &text) { setSkinText(m_skinRefs.hint, text); }});
    connect(&m_run, &EncoderRun::displayChanged, this,
            [this](qint32 barValue, const QString &statusLine) { m_display->runDisplay(barValue, statusLine); });
    connect(&m_run, &EncoderRun::runEnded, this, [this] { m_display->runEnded(); });
    connect(m_batch, &Batch::pausedChanged, this,
            [this](bool paused) { m_display->setPaused(paused, m_run.lastStatusText()); });
    connect(m_batch, &Batch::batchStarted, this, [this] { m_display->batchStarted(); });
    connect(m_batch, &Batch::batchEnded, this, [this](const BatchTally &tally) { m_display->batchEnded(tally); });
}
