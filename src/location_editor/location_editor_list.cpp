// SPDX-License-Identifier: GPL-3.0-or-later
// The location editor's File menu: adding the fields to the list, removing the
// chosen place and saving the list.

#include "location_editor.h"

#include "places/location_record.h"
#include "ui_helpers/message_boxes.h"

#include <QComboBox>
#include <QLineEdit>

namespace location_editor {

void LocationEditor::ListAdd() {
  if (!ValidateLocationInputs()) return;
  list_.Add(places::FormatLocationRecord(txtCLoc->text(), txtLat->text(), txtLong->text(), *ChosenZone()));
  FillCityChoice();
  // The first entry of that name, letter case aside; a name cut to the field's
  // width or ending in blanks finds none.
  const QString name = places::LocationFieldText(txtCLoc->text());
  for (int i = 0; i < cboCities->count(); ++i) {
    if (cboCities->itemText(i).compare(name, Qt::CaseInsensitive) == 0) {
      cboCities->setCurrentIndex(i);
      break;
    }
  }
  LocationListChanged = true;
}

void LocationEditor::ListRemove() {
  int index = cboCities->currentIndex();
  if (index < 0 || !list_.RemoveAt(index)) return;
  FillCityChoice();
  if (index >= cboCities->count()) index = cboCities->count() - 1;
  cboCities->setCurrentIndex(index);
  FillFromSelectedCity();
  LocationListChanged = true;
}

bool LocationEditor::ListSave() {
  // Another copy of the program may have saved the file since it was read:
  // its records stay, with this session's additions and removals applied.
  const places::LocationFileMerge saved = places::SaveMergedLocationFile(files_.writePath, listAsRead_, list_);
  if (!saved.ok) {
    ui_helpers::ShowInputError(this, QStringLiteral("Vesperon"), saved.error);
    return false;
  }
  const places::LocationList& merged = saved.list;
  listAsRead_ = merged;
  if (!(merged == list_)) {
    list_ = merged;
    FillCityChoice();
  }
  LocationListChanged = false;
  return true;
}

} // namespace location_editor
