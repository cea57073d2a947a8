#pragma once
// --version and --help: answered on standard output before the program needs
// a display, as desktop programs answer them.

#include <QStringList>
#include <optional>

// What to print when the arguments (the program's name excluded) ask for the
// version or the command line's use; the first such option decides. Nothing
// when they ask for neither: the arguments then name media to open. The help
// names the edition the program was started as (programPath, argv[0]).
std::optional<QString> commandLineInformation(const QString &programPath, const QStringList &arguments);
