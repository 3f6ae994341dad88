// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the parameter file lives: for an installed program, in the per-user configuration folder
// of the program (also for root, so that nothing is written beside the installed programs); for
// a program run from its build folder, in the program's folder as "parameter", or - when that
// folder cannot be written - in the per-user configuration folder.
#include <string>

namespace tlv {

// The folder of the parameter file (other small per-installation files live beside it).
// Needs a QCoreApplication (for the program's folder and its name).
// The per-user folder is created when it is chosen and missing.
std::string ParameterFolder();

// The full path of the parameter file in ParameterFolder().
std::string ParameterFilePath();

// The choice itself: `userConfigFolder` for an installed program; otherwise `programFolder`
// when it exists and can be written, else `userConfigFolder`.
std::string ChooseParameterFolder(const std::string& programFolder,
                                  const std::string& userConfigFolder, bool installed);

} // namespace tlv
