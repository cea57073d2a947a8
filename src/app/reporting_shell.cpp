#include "app/reporting_shell.h"

#include "ui_text/prompts.h"

bool ReportingShell::openFolder(const QString &folder)
{
    if (m_shell.openFolder(folder))
        return true;
    m_prompts.warning(QStringLiteral("No program to open folders is installed.\nThe folder is: %1\n"
                                     "Open it in a file manager yourself, or install one (for example with the "
                                     "package xdg-utils).")
                          .arg(folder));
    return false;
}

bool ReportingShell::openLink(const QString &link)
{
    if (m_shell.openLink(link))
        return true;
    m_prompts.warning(QStringLiteral("No program to open this address is installed.\nThe address is: %1\n"
                                     "Copy it into a web browser or file viewer, or install one (for example "
                                     "with the package xdg-utils).")
                          .arg(link));
    return false;
}
