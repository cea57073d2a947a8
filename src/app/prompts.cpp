#include "app/prompts.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace {
QString title()
{
    return QGuiApplication::applicationDisplayName();
}
} // namespace

void QtPrompts::warning(const QString &text)
{
    QMessageBox::warning(m_parent, title(), text);
}

void QtPrompts::information(const QString &text)
{
    QMessageBox::information(m_parent, title(), text);
}

bool QtPrompts::question(const QString &text)
{
    return QMessageBox::question(m_parent, title(), text) == QMessageBox::Yes;
}
