#include "windows/tfm_about.h"

#include "platform/shell/desktop_shell.h"
#include "windows/product_pages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Tfm_about::Tfm_about(DesktopShell &shell, QWidget *parent)
    : QDialog(parent),
      m_shell(shell),
      m_title(new QLabel(this)),
      m_link(new QLabel(this))
{
    setObjectName(QStringLiteral("fm_about"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(360, 190);
    m_title->setObjectName(QStringLiteral("lb_title"));
    QFont titleFont = m_title->font();
    titleFont.setPixelSize(17);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_link->setObjectName(QStringLiteral("lb_link"));
    m_link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(m_link, &QLabel::linkActivated, this, [this] { m_shell.openLink(m_webLink); });

    auto *contact = new QPushButton(QStringLiteral("Contact us"), this);
    contact->setObjectName(QStringLiteral("bt_contact"));
    connect(contact, &QPushButton::clicked, this, [this] { m_shell.openLink(kContactPage); });
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("bt_close"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(contact);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 20, 22, 18);
    layout->addWidget(m_title);
    layout->addWidget(m_link);
    layout->addStretch();
    layout->addLayout(buttons);
}

void Tfm_about::setProduct(const QString &editionBaseName, const QString &webLink)
{
    m_webLink = webLink;
    m_title->setText(editionBaseName);
    m_link->setText(webLink.isEmpty() ? QString()
                                      : QStringLiteral("<a href=\"%1\">%1</a>").arg(webLink.toHtmlEscaped()));
}
