// The main window's preview: the playback over the preview player and the
// snapshot.

#include "app/tfm_main.h"

#include "app/main_preview_host.h"
#include "platform/skin/skin_writes.h"
#include "preview/snapshot.h"

#include <QFrame>

// The player itself (libmpv) is loaded only by the first Play, the clip
// cutter with its window when it first opens.
void Tfm_main::createPreview()
{
    m_previewHost = std::make_unique<MainPreviewHost>(m_jobs, m_messages, m_prompts);
    PreviewDisplay display = m_previewDisplay;
    display.panel = m_controls.pl_play;
    m_playback = std::make_unique<PreviewPlayback>(*m_previewEngine, *m_previewHost, display, m_busy);
    m_snapshot = std::make_unique<Snapshot>(m_runs.location(), m_prompts);
    connect(m_snapshot.get(), &Snapshot::saved, this,
            [this](const QString &image) { writeSkinText(m_skinRefs.hint, QStringLiteral("Image saved: ") + image); });
    if (const std::optional<int> row = m_jobs.selectedRow())
        m_playback->setPreviewRow(*row);
}
