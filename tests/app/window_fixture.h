#pragma once
// The program's windows as the program creates them, on the offscreen
// platform, over the real register.dat and data files of the build tree,
// with private settings and log folders and recording prompts and shell.

#include "app/job_list_view.h"
#include "jobs/job_model.h"
#include "media_fixtures.h"
#include "recording_prompts.h"
#include "recording_shell.h"
#include "session_window.h"

#include <QLineEdit>
#include <QTest>
#include <QTreeView>
#include <cstdlib>
#include <gtest/gtest.h>

namespace veltrix::test {

inline const QString kWindowBin = QStringLiteral(VELTRIX_BIN_DIR);

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("XDG_CONFIG_HOME", m_settings.path().c_str(), 1);
        ::setenv("XDG_STATE_HOME", m_state.path().c_str(), 1);
        // Only the build tree's own product file.
        ::setenv("XDG_DATA_DIRS", m_noData.path().c_str(), 1);
    }
    void TearDown() override
    {
        if (m_window && m_window->session().isConverting())
            m_window->run(MainCommand::StopBatch);
        if (m_window) {
            EXPECT_TRUE(QTest::qWaitFor([this] { return !m_window->session().encoderRuns().anyRunning(); }, 20000));
        }
        m_window.reset();
        for (const char *name : {"XDG_CONFIG_HOME", "XDG_STATE_HOME", "XDG_DATA_DIRS"})
            ::unsetenv(name);
    }

    Tfm_main &start(const QString &edition = QStringLiteral("veltrix-video-converter"))
    {
        m_window = std::make_unique<SessionWindow>(m_prompts, m_shell, kWindowBin + "/" + edition, kWindowBin);
        m_window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->findChild<QLineEdit *>("ed_output")->setText(QString::fromStdString(m_output.path()));
        return *m_window;
    }
    // Adds files as the file-open dialog hands them over.
    void addFiles(const QStringList &paths)
    {
        m_prompts.fileAnswers.push_back(paths);
        m_window->run(MainCommand::AddFiles);
        EXPECT_TRUE(addEnded(*m_window));
    }
    JobListView *list() const { return &m_window->listView(); }
    // Adds the row to the list's selection, as a Ctrl+click does.
    void selectAlso(int row) const
    {
        m_window->session().jobs().selection()->select(m_window->session().jobs().index(row, 0),
                                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    SkinObject *skinObject(const QString &name) const
    {
        return TSkin::findObject(m_window->skin().skinFormOfWindow(m_window.get()), name);
    }
    QString hintLine() const { return skinObject("hint")->text(); }
    template <class T> T *child(const QString &name) const { return m_window->findChild<T *>(name); }

    TempDir m_settings, m_state, m_noData, m_output;
    RecordingPrompts m_prompts;
    RecordingShell m_shell;
    std::unique_ptr<Tfm_main> m_window;
};

} // namespace veltrix::test
