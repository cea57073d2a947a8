#include "app/program.h"

#include "app/tfm_dir.h"
#include "app/tfm_main.h"

Program::Program(const QString &programPath, const QString &executableFolder)
    // The other windows are made when they are first opened.
    : m_window(std::make_unique<Tfm_main>(m_prompts, m_shell, programPath, executableFolder))
{
    m_prompts.setParent(m_window.get());
    m_prompts.setFolderChooser([this](const QString &caption) { return m_window->fm_dir().choose(caption); });
}

Program::~Program() = default;
