// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the main window asks before it closes: whether to keep a changed
// current location, a changed hemisphere view and a changed location list for
// the next run. This part decides whether each question is due and words it;
// the window shows it.

#include "settings_values.h"

#include <QSettings>
#include <QString>

namespace settings {

// True when the current location differs from the stored one (or, with none
// stored, from the first-run place): the name compared exactly, letter case
// included, the numbers exactly at single precision. Never when the session
// left its location as it read it (`loaded`): another copy of the program
// may have stored a place since, and this one has nothing to keep.
bool LocationQuestionDue(const QSettings& store, const SiteLocation& loaded, const SiteLocation& current);

// True when the stored hemisphere view (northern when none is stored) differs
// from the current one, and the session changed it from the one it read.
bool HemisphereQuestionDue(const QSettings& store, bool loadedNorthern, bool northern);

QString LocationQuestion(const SiteLocation& current);
QString HemisphereQuestion(bool northern);
QString LocationListQuestion();

// What Yes writes.
void KeepHemisphere(QSettings& store, bool northern);

} // namespace settings
