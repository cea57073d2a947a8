#pragma once
// Points XDG_CONFIG_HOME at a private temporary folder for the life of the
// object, so tests never touch the real settings.

#include "media_fixtures.h"

#include <QString>
#include <cstdlib>

class ScopedSettingsFolder {
public:
    ScopedSettingsFolder() { ::setenv("XDG_CONFIG_HOME", m_dir.path().c_str(), 1); }
    ~ScopedSettingsFolder() { ::unsetenv("XDG_CONFIG_HOME"); }
    ScopedSettingsFolder(const ScopedSettingsFolder &) = delete;
    ScopedSettingsFolder &operator=(const ScopedSettingsFolder &) = delete;

    // The settings folder itself ($XDG_CONFIG_HOME/veltrix).
    std::string veltrixFolder() const { return m_dir.file("veltrix"); }
    std::string file(const std::string &name) const { return veltrixFolder() + "/" + name; }

private:
    veltrix::test::TempDir m_dir;
};
