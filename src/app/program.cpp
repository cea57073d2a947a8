#include "app/program.h"

#include "app/tfm_main.h"
#include "windows/tfm_dir.h"

Program::Program(const QString &programPath, const QString &executableFolder)
    // The other windows are made when they are first opened.
    : m_session(m_prompts, m_shell, programPath, executableFolder),
      m_window(std::make_unique<Tfm_main>(m_session)),
      // The exit code a shell expects of a program a signal ended.
      m_endSignals([this](int signal) { m_session.endInOrder(128 + signal); })
{
    m_prompts.setParent(m_window.get());
    m_prompts.setFolderChooser(
        [this](const QString &caption, const QString &start) { return m_window->fm_dir().choose(caption, start); });
}

Program::~Program() = default;
