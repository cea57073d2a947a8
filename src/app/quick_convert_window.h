#pragma once
// A small first window: pick one media file and convert it to MP3, watching
// its Status text, the conversion bar and the hint line move.

#include "engine/encoder_run.h"
#include "platform/skin/skin.h"

#include <QWidget>

class QTreeWidget;

class QuickConvertWindow : public QWidget {
    Q_OBJECT
public:
    QuickConvertWindow(const QString &executableFolder, const QString &outputFolder, QWidget *parent = nullptr);

    // False (with a message shown) when the skin file could not be read.
    bool loadSkin(const QString &skinPath);
    // Puts one file in the list, replacing the previous one.
    void setSourceFile(const QString &path);
    void startConversion();
    void stopConversion();
    EncoderRun &run() { return m_run; }
    TSkin &skin() { return m_skin; }
    QTreeWidget *list() const { return m_list; }

signals:
    void conversionEnded(const RunExit &exit);

private:
    void skinClick(QWidget *sender, SkinObject *source);
    void setSkinText(const char *objectName, const QString &text);
    void setRunning(bool running);
    void runEnded(const RunExit &exit);

    TSkin m_skin;
    EncoderRun m_run;
    QTreeWidget *m_list = nullptr;
    QString m_source;
    QString m_outputFolder;
    int m_sourceSeconds = 0;
};
