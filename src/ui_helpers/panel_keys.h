// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The keys of a panel in the main window's lower half: Enter presses its
// default button (or the panel's button that has the focus) and Escape its
// cancel button from anywhere in the window, but only while the panel is
// shown. Enter and Escape on an open drop-down list of the panel only close
// the list. The panel's drop-down lists exist before the keys are bound.

#include <functional>

class QWidget;

namespace ui_helpers {

void BindPanelKeys(QWidget* panel, const std::function<void()>& enter, const std::function<void()>& escape);

} // namespace ui_helpers
