#include "app/reporting_shell.h"

#include "ui_text/prompts.h"

void ReportingShell::open(OpenKind kind, const QString &target, OpenFailed failed)
{
    m_shell.open(kind, target, [this, kind, target, failed](const QString &why) {
        m_prompts.warning(kind == OpenKind::Folder
                              ? QStringLiteral("The folder could not be opened: %1.\nThe folder is: %2\n"
                                               "Open it in a file manager yourself.")
                                    .arg(why, target)
                              : QStringLiteral("The address could not be opened: %1.\nThe address is: %2\n"
                                               "Copy it into a web browser or file viewer yourself.")
                                    .arg(why, target));
        if (failed)
            failed(why);
    });
}
