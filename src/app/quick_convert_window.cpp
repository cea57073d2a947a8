#include "app/quick_convert_window.h"

#include "app/media_duration.h"
#include "jobs/output_naming.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QTreeWidget>

namespace {
enum Column { ColName, ColPath, ColTime, ColStatus };
}

QuickConvertWindow::QuickConvertWindow(const QString &executableFolder, const QString &outputFolder, QWidget *parent)
    : QWidget(parent), m_outputFolder(outputFolder)
{
    setWindowTitle(tr("Video Converter"));
    setFixedSize(781, 558);
    m_run.setExecutableFolder(executableFolder);
    m_run.setStatusWriter([this](const QString &text) {
        if (m_list->topLevelItemCount() > 0)
            m_list->topLevelItem(0)->setText(ColStatus, text);
    });
    connect(&m_run, &EncoderRun::runEnded, this, &QuickConvertWindow::runEnded);
    connect(&m_skin, &TSkin::Click, this, &QuickConvertWindow::skinClick);

    m_list = new QTreeWidget(this);
    m_list->setObjectName("lv");
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("Name"), tr("Path"), tr("Time"), tr("Status")});
    m_list->header()->setSectionResizeMode(ColPath, QHeaderView::Stretch);
    m_list->setStyleSheet("QTreeWidget { background: #141a24; color: #dde3ee; border: none; }"
                          "QHeaderView::section { background: #1f2736; color: #aab4c5; border: none; padding: 4px; }"
                          "QTreeWidget::item:selected { background: #2f6fed; color: white; }");
}

bool QuickConvertWindow::loadSkin(const QString &skinPath)
{
    if (!m_skin.loadSkin(skinPath)) {
        QMessageBox::warning(this, windowTitle(),
                             tr("The window's skin could not be read:\n%1\nReinstall the program to restore it.")
                                 .arg(m_skin.errorText()));
        return false;
    }
    m_skin.attach(this);
    m_skin.applySkinForm(this, "popvideoconverter");
    SkinForm *form = m_skin.skinFormOfWindow(this);
    m_run.attachSkin(form);
    if (SkinObject *area = TSkin::findObject(form, "listarea"))
        m_list->setGeometry(area->qrect().adjusted(6, 6, -6, -6));
    setSkinText("status", tr("Add a media file, then convert it to MP3."));
    return true;
}

void QuickConvertWindow::setRunning(bool running)
{
    SkinForm *form = m_skin.skinFormOfWindow(this);
    for (const auto &[name, enabled] : {std::pair{"addfile", !running}, {"convert", !running}, {"stop", running}})
        if (SkinObject *object = TSkin::findObject(form, name)) {
            object->commonFacet()->setState(enabled);
            object->commonFacet()->redraw();
        }
}

void QuickConvertWindow::setSkinText(const char *objectName, const QString &text)
{
    SkinObject *object = TSkin::findObject(m_skin.skinFormOfWindow(this), objectName);
    if (!object || !object->textFacet())
        return;
    object->textFacet()->setText(text);
    object->commonFacet()->redraw();
}

void QuickConvertWindow::skinClick(QWidget *, SkinObject *source)
{
    const QString name = source->name();
    if (name == "addfile") {
        const QString path = QFileDialog::getOpenFileName(this, tr("Add File"), QString(),
                                                          tr("Media files (*.mp3 *.wav *.ogg *.m4a *.aac *.wma *.ac3 "
                                                             "*.avi *.mp4 *.mkv *.mov *.mpg *.wmv *.flv);;All files (*)"));
        if (!path.isEmpty())
            setSourceFile(path);
    } else if (name == "convert") {
        startConversion();
    } else if (name == "stop") {
        stopConversion();
    }
}

void QuickConvertWindow::setSourceFile(const QString &path)
{
    if (m_run.isRunning())
        return;
    m_source = path;
    m_sourceSeconds = probeDurationSeconds(m_run.record().encoderfile, m_run.record().workdir, path);
    m_list->clear();
    auto *item = new QTreeWidgetItem(m_list);
    const QFileInfo info(path);
    item->setText(ColName, info.completeBaseName());
    item->setText(ColPath, path);
    item->setText(ColTime, m_sourceSeconds > 0 ? QString::number(m_sourceSeconds) + " s" : tr("unknown"));
    m_list->setCurrentItem(item);
    setSkinText("status", tr("Ready to convert %1.").arg(info.fileName()));
}

void QuickConvertWindow::startConversion()
{
    if (m_run.isRunning())
        return;
    if (m_source.isEmpty()) {
        QMessageBox::information(this, windowTitle(), tr("Add a media file first, then start the conversion."));
        return;
    }
    intputrec &rec = m_run.record();
    const QString folder = prepareOutputFolder(m_outputFolder);
    rec.inputfile = m_source;
    rec.outputfile = outputPathFor(folder, m_list->topLevelItem(0)->text(ColName), ".mp3");
    rec.start = " -ss 00:00:00";
    rec.videobitrate.clear();
    rec.audiobitrate = " -ab 128000";
    rec.channels = " -ac 2";
    rec.aspect.clear();
    rec.length.clear();
    rec.size.clear();
    rec.samplerate = " -ar 44100 ";
    rec.extra = " -vn -acodec libmp3lame";
    rec.seconds = m_sourceSeconds;
    m_run.resetOffsetCounter();
    m_list->topLevelItem(0)->setText(ColStatus, QString());
    setSkinText("status", tr("Converting to %1").arg(rec.outputfile));
    setRunning(true);
    m_run.startRun();
}

void QuickConvertWindow::stopConversion()
{
    m_run.stop();
}

void QuickConvertWindow::runEnded(const RunExit &exit)
{
    const bool ok = !exit.failedToStart && !exit.crashed && exit.exitCode == 0;
    if (m_list->topLevelItemCount() > 0)
        m_list->topLevelItem(0)->setText(ColStatus, exit.exitCode == -1 && !exit.failedToStart ? tr("Stop")
                                                    : ok                                      ? tr("Finish")
                                                                                              : tr("Failed"));
    setRunning(false);
    setSkinText("status", ok ? tr("Written: %1").arg(m_run.record().outputfile)
                             : tr("The conversion did not complete. Check that the file plays, then try again."));
    emit conversionEnded(exit);
}
