// The main window's preview: the playback over the preview player, and the
// snapshot's saved image on the hint line.

#include "app/tfm_main.h"

#include "app/main_preview_host.h"
#include "platform/skin/skin_writes.h"
#include "preview/snapshot.h"
#include "session/converter_session.h"

#include <QFrame>

// The player itself (libmpv) is loaded only by the first Play, the clip
// cutter with its window when it first opens.
void Tfm_main::createPreview()
{
    JobModel &jobs = m_session.jobs();
    m_preview.host = std::make_unique<MainPreviewHost>(jobs, m_prompts);
    PreviewDisplay display = m_preview.display;
    display.panel = m_controls.pl_play;
    m_preview.playback =
        std::make_unique<PreviewPlayback>(*m_preview.engine, *m_preview.host, display, m_session.busy());
    connect(&m_session.snapshot(), &Snapshot::saved, this,
            [this](const QString &image) { writeSkinText(m_skinRefs.hint, QStringLiteral("Image saved: ") + image); });
    if (const std::optional<int> row = jobs.selectedRow())
        m_preview.playback->setPreviewRow(*row);
}
