#pragma once
// The windows of the program, created in their order: fm_main (the main
// window, which owns the others), fm_dir, fm_about, fm_set, fm_info and
// fm_dvdcutter.

#include <QString>
#include <memory>

class DesktopShell;
class Prompts;
class Tfm_main;

std::unique_ptr<Tfm_main> createProgramWindows(Prompts &prompts, DesktopShell &shell, const QString &programPath,
                                               const QString &executableFolder);
