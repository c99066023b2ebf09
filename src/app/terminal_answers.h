// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// `vesperon --help` and `vesperon --version` answer on the terminal and end
// the program, before anything needs a display.

namespace app {

// Ends the program with status 0 after printing the help (--help, -h,
// --help-all) or the version (--version, -v) when the arguments ask for one;
// returns otherwise. Qt's own options (-platform, -style and the like) are
// left for the application object.
void AnswerOnTerminal(int argc, char* argv[]);

} // namespace app
