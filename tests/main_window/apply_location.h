// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Applying a typed location through the main window's editor, as the user does.

#include "location_editor/location_editor.h"
#include "main_window/main_window.h"
#include "places/location_record.h"

#include <QComboBox>
#include <QLineEdit>

namespace main_window::test {

inline void ApplyLocation(TfrmVesperon& w, const char* name, const char* longitude, const char* latitude,
                          float zoneHours) {
  w.ToggleLocationEditor();
  location_editor::LocationEditor* editor = w.locationEditor();
  editor->txtCLoc->setText(QString::fromUtf8(name));
  editor->txtLong->setText(QLatin1String(longitude));
  editor->txtLat->setText(QLatin1String(latitude));
  editor->cboTZ->setCurrentIndex(*places::ZoneIndexOfHours(zoneHours));
  editor->cmdChangeClick();
}

} // namespace main_window
