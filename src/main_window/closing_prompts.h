// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// FormCloseQuery's questions, shown in order: keep the changed location, keep
// the changed hemisphere view, save the changed location list. Cancel at any
// of them keeps the window open and ends the questions; the next attempt to
// close asks again.

#include "location_editor/location_editor.h"
#include "settings/settings_values.h"

#include <QString>

class QWidget;

namespace main_window {

struct ClosingState {
  settings::SiteLocation location; // the current location
  bool NH = true;        // the moon drawn as seen from the northern hemisphere
  settings::SiteLocation loadedLocation; // both as the session read them
  bool loadedNH = true;
};

// True when the window may close. The store at storePath is read afresh for
// the stored values; what Yes keeps is saved to it through a checked copy. A location, view or
// list that could not be saved keeps the window open, with the error shown,
// so that nothing the user chose to keep is lost.
bool AskClosingQuestions(QWidget* parent, const QString& storePath, const ClosingState& state,
                         location_editor::LocationEditor& editor);

} // namespace main_window
