// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// FormCloseQuery's questions, shown in order: keep the changed location, keep
// the changed hemisphere view, save the changed location list. Cancel at any
// of them keeps the window open and ends the questions; the next attempt to
// close asks again.

#include "settings_values.h"

#include <QSettings>

class QWidget;

namespace settings {

class LocationEditor;

struct ClosingState {
  SiteLocation location; // the current location
  bool NH = true;        // the moon drawn as seen from the northern hemisphere
};

// True when the window may close. store is read for the stored values; what
// Yes keeps is saved to its file through a checked copy. A location, view or
// list that could not be saved keeps the window open, with the error shown,
// so that nothing the user chose to keep is lost.
bool AskClosingQuestions(QWidget* parent, const QSettings& store, const ClosingState& state, LocationEditor& editor);

} // namespace settings
