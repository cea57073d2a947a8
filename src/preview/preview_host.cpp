#include "preview/preview_host.h"

QString previewStatusText(PreviewStatus status)
{
    switch (status) {
    case PreviewStatus::Play:
        return QStringLiteral("Play");
    case PreviewStatus::Pause:
        return QStringLiteral("Pause");
    case PreviewStatus::Stop:
        break;
    }
    return QStringLiteral("Stop");
}
