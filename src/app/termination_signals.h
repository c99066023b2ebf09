// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// SIGTERM (sent at a logout and by `kill`), SIGHUP and SIGINT would end the
// program at once, with nothing saved. They are turned into a quit of the
// application instead, which the main window handles as a session's end.

namespace app {

// Call once, with the application object made, before its event loop runs.
void QuitOnTerminationSignals();

} // namespace app
