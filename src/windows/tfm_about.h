#pragma once
// The About window `fm_about`: the edition's name, a link to the product's
// website, a contact button and Close.

#include <QDialog>

class DesktopShell;
class QLabel;

class Tfm_about : public QDialog {
    Q_OBJECT
public:
    Tfm_about(DesktopShell &shell, QWidget *parent = nullptr);

    // The title line and the web link; set before the window is shown.
    void setProduct(const QString &editionBaseName, const QString &webLink);

private:
    DesktopShell &m_shell;
    QLabel *m_title;
    QLabel *m_link;
    QString m_webLink;
};
