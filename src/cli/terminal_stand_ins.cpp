#include "cli/terminal_stand_ins.h"

#include "cli/convert_report.h"

void TerminalPrompts::warning(const QString &text)
{
    m_report.message(text);
}

void TerminalPrompts::information(const QString &text)
{
    m_report.message(text);
}
