#pragma once
// Where the program's data files lie: the skin (skn.skn), the messages
// (language.info), the profiles (profiles.pop) and the pictures (images/).

#include <QString>

// The build tree keeps them beside the executable (build/bin); an install
// keeps the executables in <prefix>/lib/veltrix and the data, which is the
// same on every architecture, in <prefix>/share/veltrix. The folder beside
// the executable wins when it holds the skin. With its trailing "/".
QString dataFolderOf(const QString &executableFolder);
