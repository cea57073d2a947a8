// The DVD edition opening what it was started with (a file manager's
// "Open with" on a DVD folder or an IFO file).

#include "app/tfm_main.h"

#include "app/dvd_commands.h"
#include "session/converter_session.h"

bool Tfm_main::openDvdPaths(const QStringList &paths)
{
    return m_session.edition().dvdMode && m_dvd->openPaths(paths);
}
