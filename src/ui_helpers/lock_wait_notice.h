// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// While a save waits for another copy of the program to release a file's lock
// (a few seconds at most), a small window says so, with a busy bar, and the
// pointer shows the wait.

namespace ui_helpers {

// Makes every settings::FileLock of this process tell its waits this way.
void ShowLockWaits();

} // namespace ui_helpers
