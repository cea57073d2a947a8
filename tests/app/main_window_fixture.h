#pragma once
// The program's windows as the program creates them, under an edition's
// name, with prompts and a desktop shell that record instead of showing, and
// helpers that act on them as a user would.

#include "app/main_commands.h"
#include "jobs/job_model.h"
#include "media_fixtures.h"
#include "platform/ini/ini_file.h"
#include "platform/skin/skin_surface.h"
#include "recording_prompts.h"
#include "recording_shell.h"
#include "session/edition.h"
#include "session_window.h"
#include "ui_text/message_table.h"
#include "windows/profile_button.h"
#include "windows/profile_picker.h"

#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QTreeView>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

// Readable QString values in failure messages.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

using veltrix::test::RecordingPrompts;
using veltrix::test::RecordingShell;
using Kind = RecordingPrompts::Kind;

const QString kBin = QStringLiteral(VELTRIX_BIN_DIR);

inline QString message(int n)
{
    QFile file(kBin + "/language.info");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return messageLine(file.readAll(), n);
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("XDG_CONFIG_HOME", m_settings.path().c_str(), 1);
        ::setenv("XDG_STATE_HOME", m_state.path().c_str(), 1);
        // The preview plays with the player's null outputs: no window, no sound.
        ::setenv("VELTRIX_PREVIEW_OUTPUT", "null", 1);
    }
    void TearDown() override
    {
        m_window.reset();
        ::unsetenv("XDG_CONFIG_HOME");
        ::unsetenv("XDG_STATE_HOME");
    }

    // Creates the main window as the program does, under the edition's name,
    // and shows it; the other windows are made when they first open.
    Tfm_main &start(const QString &edition = QStringLiteral("veltrix-video-converter"), const QString &folder = kBin)
    {
        m_window = std::make_unique<SessionWindow>(m_prompts, m_shell, folder + "/" + edition, folder);
        m_window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        return *m_window;
    }

    // The profile the next start finds remembered in the edition's settings
    // (MP3 keeps the picker on its first audio page).
    static void rememberProfile(int id, const QString &edition = QStringLiteral("veltrix-video-converter"))
    {
        IniFile settings(appSettingsFileName(edition));
        EXPECT_TRUE(settings.writeInteger("profiles", "selcetsubindex", id));
    }

    SkinSurface *surfaceOf(QWidget *window) const
    {
        for (SkinSurface *surface : window->findChildren<SkinSurface *>(Qt::FindDirectChildrenOnly))
            return surface;
        return nullptr;
    }
    SkinObject *object(QWidget *window, const QString &name) const
    {
        return TSkin::findObject(m_window->skin().skinFormOfWindow(window), name);
    }
    // A real click of the left button in the middle of the skin object.
    void clickSkin(const QString &name, QWidget *window = nullptr)
    {
        window = window ? window : m_window.get();
        SkinObject *found = object(window, name);
        ASSERT_NE(found, nullptr) << name.toStdString();
        QTest::mouseClick(surfaceOf(window), Qt::LeftButton, {}, found->qrect().center());
    }
    // The pointer over the skin object, as the skin surface sees it.
    void pointAtSkin(const QString &name)
    {
        SkinObject *found = object(m_window.get(), name);
        ASSERT_NE(found, nullptr) << name.toStdString();
        const QPointF at = found->qrect().center();
        SkinSurface *surface = surfaceOf(m_window.get());
        QMouseEvent move(QEvent::MouseMove, at, surface->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(surface, &move);
    }
    QString hintLine() const { return object(m_window.get(), "hint")->text(); }
    template <class T> T *child(const QString &name) const { return m_window->findChild<T *>(name); }
    ProfileButton *profileButton(int id) const { return m_window->picker().button(id); }
    // The picker builds its panels when it first opens.
    bool panelShown(const QString &name) const
    {
        const QFrame *panel = child<QFrame>(name);
        return panel && panel->isVisible();
    }
    QImage picture(const QString &folder, int id) const
    {
        return QImage(kBin + QStringLiteral("/images/sub/%1/%2.bmp").arg(folder).arg(id))
            .convertToFormat(QImage::Format_RGB32);
    }
    QImage shown(int id) const { return profileButton(id)->pixmap().toImage().convertToFormat(QImage::Format_RGB32); }

    // A real batch, paused in its first job (ten minutes of sound), so the
    // window is converting until endBusyBatch stops it.
    void beginBusyBatch(Tfm_main &w)
    {
        const std::string clip = m_busyMedia.file("long.mp3");
        if (!QFile::exists(QString::fromStdString(clip)))
            veltrix::test::generateMedia("-f lavfi -i anullsrc=r=8000:cl=mono -t 600 -b:a 8k", clip);
        m_prompts.fileAnswers.push_back({QString::fromStdString(clip)});
        w.run(MainCommand::AddFiles);
        ASSERT_TRUE(addEnded(w));
        child<QLineEdit>("ed_output")->setText(QString::fromStdString(m_busyMedia.file("out")));
        w.run(MainCommand::StartBatch);
        ASSERT_TRUE(w.session().encoderRun().isRunning());
        w.run(MainCommand::PauseBatch);
        ASSERT_TRUE(w.session().isConverting());
        m_prompts.shown.clear();
    }
    void endBusyBatch(Tfm_main &w)
    {
        w.run(MainCommand::StopBatch);
        QTRY_VERIFY_WITH_TIMEOUT(!w.session().encoderRuns().anyRunning(), 20000);
    }

    // A real preview of a short clip, in an unchecked row of its own so that
    // a batch leaves it out.
    void beginPreview(Tfm_main &w)
    {
        const QString clip = QString::fromStdString(m_busyMedia.file("preview.mp4"));
        if (!QFile::exists(clip)) {
            veltrix::test::generateMedia("-f lavfi -i testsrc=size=64x48:rate=25:duration=30 -c:v libx264 "
                                         "-preset ultrafast",
                                         clip.toStdString());
            m_prompts.fileAnswers.push_back({clip});
            w.run(MainCommand::AddFiles);
            ASSERT_TRUE(addEnded(w));
            w.session().jobs().setChecked(w.session().jobs().rowCount() - 1, false);
        }
        w.session().jobs().selectRow(0);
        w.run(MainCommand::StartPreview);
        ASSERT_TRUE(w.session().isPreviewing());
    }

    veltrix::test::TempDir m_settings, m_state;
    veltrix::test::TempDir m_busyMedia;
    RecordingPrompts m_prompts;
    RecordingShell m_shell;
    std::unique_ptr<Tfm_main> m_window;
};

} // namespace
