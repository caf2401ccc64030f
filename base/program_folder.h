#pragma once

#include <QString>

namespace base {

// The folder of the settings, radio-data and notes files: the executable's directory
// when it is writable and not an installed layout, else $XDG_DATA_HOME/Orvane (default ~/.local/share/Orvane),
// created on first use. Absolute, without a trailing separator.
QString ProgramFolder();

// ProgramFolder() + "/" + name.
QString ProgramFilePath(const QString& name);

// Makes ProgramFolder() return `folder` (tests). An empty text restores the normal rule.
void SetProgramFolderOverride(const QString& folder);

// True when the program runs from an installed layout (`executableDir`/../share/orvane).
bool IsInstalledLayout(const QString& executableDir);

// The rule itself, for the tests: `executableDir` when writable and not installed, else the data folder
// from `xdgDataHome` / `home` (created). Empty when no folder can be had.
QString ChooseProgramFolder(const QString& executableDir, const QString& xdgDataHome,
                            const QString& home);

}  // namespace base
