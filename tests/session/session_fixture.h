#pragma once
// A converter session as the program makes one, with no window: private
// settings and state folders, prompts that answer, an output folder, and
// the ends and starts a user's quit and next start make.

#include "add_wait.h"
#include "engine/encoder_runs.h"
#include "jobs/batch.h"
#include "jobs/file_adder.h"
#include "media_fixtures.h"
#include "recording_prompts.h"
#include "recording_shell.h"
#include "session/converter_session.h"

#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

class SessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("XDG_CONFIG_HOME", m_settings.path().c_str(), 1);
        ::setenv("XDG_STATE_HOME", m_state.path().c_str(), 1);
    }
    void TearDown() override
    {
        if (m_session) {
            m_session->batch().stop();
            EXPECT_TRUE(QTest::qWaitFor([this] { return !m_session->batch().hasRunsUnderWay(); }, 20000));
        }
        m_session.reset();
        ::unsetenv("XDG_CONFIG_HOME");
        ::unsetenv("XDG_STATE_HOME");
    }

    // A start of the program: the session reads its settings and brings back its list.
    ConverterSession &start(const QString &program = QStringLiteral("veltrix-video-converter"))
    {
        m_session = std::make_unique<ConverterSession>(m_prompts, m_shell, m_bin + u'/' + program, m_bin);
        m_session->readSettings();
        m_session->restoreJobList();
        m_session->outputFolder().setFolder(output());
        return *m_session;
    }
    // The user's quit, as the window's close makes it, then the next start.
    ConverterSession &restart()
    {
        EXPECT_TRUE(m_session->saveSettings().isEmpty());
        m_session->saveJobList();
        m_session.reset();
        m_prompts.shown.clear();
        return start();
    }
    // Adds files as the file-open dialog hands them over, and waits for the add's end.
    void addFiles(const QStringList &paths)
    {
        m_prompts.fileAnswers.push_back(paths);
        m_session->adder().addFiles();
        EXPECT_TRUE(veltrix::test::addEnded(m_session->busy()));
    }
    bool batchEnded() const { return !m_session->isConverting() && !m_session->encoderRuns().anyRunning(); }
    QString output() const { return QString::fromStdString(m_output.path()); }

    const QString m_bin = QStringLiteral(VELTRIX_BIN_DIR);
    veltrix::test::TempDir m_settings, m_state, m_output;
    veltrix::test::RecordingPrompts m_prompts;
    veltrix::test::RecordingShell m_shell;
    std::unique_ptr<ConverterSession> m_session;
};
