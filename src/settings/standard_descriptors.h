// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A program started with standard input, output or error closed (2>&-) would
// hand that descriptor to the first file or socket it opens: the X connection
// would then receive every warning written to standard error and hang.

namespace settings {

// Opens /dev/null on each of the descriptors 0, 1 and 2 that is closed. Each
// program calls it first thing, before anything else is opened.
void OpenClosedStandardDescriptors();

} // namespace settings
