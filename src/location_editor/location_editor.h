// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The location editor pnlSettings: the current location's name, longitude,
// latitude and zone in editable fields, the places of the location list to
// choose from, and the list's Add, Remove and Save commands. It takes the
// calendar's place in the main window; Enter is Change and Escape is Cancel
// while it is open. Applying a location is the main window's business: the
// editor hands it over checked.

#include "places/location_file.h"
#include "settings/settings_values.h"

#include <QFrame>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace location_editor {

class LocationEditor : public QFrame {
  Q_OBJECT
public:
  // scale turns 96-dpi pixels into screen pixels; files says where the
  // location list is read from and saved to.
  LocationEditor(QWidget* parent, const std::function<int(int)>& scale, places::LocationFilePaths files);

  // Fills the fields from the current location and, the first time the
  // location file exists, reads the list. The caller shows the panel first.
  // Returns whether the list can be used (the File menu's items with it).
  bool Open(const settings::SiteLocation& current);

  bool ValidateLocationInputs();
  void cmdChangeClick();
  void cmdCancelSettingsClick();
  // Puts the city choice back on the entry last applied (when it is in use).
  void RestoreCityChoice();
  void ListAdd();
  void ListRemove();
  // Lets the user choose the place's clock among every zone of the system's
  // database; the choice holds for the next Change, until another place is
  // picked or the editor is opened again.
  void PickTimeZone();
  // The zone the next Change gives the place: the one chosen by hand, else a
  // listed place's own, else its neighbours' (ZoneIdOfPlace).
  QString ZoneForChange(const settings::SiteLocation& location) const;
  void SetPickedZone(const QString& zone) { pickedZone_ = zone; }
  // Writes the list; false, with the error shown and the list still marked
  // changed, when the file was not written whole.
  bool ListSave();

  // Asks for the zone; tests answer in its place. Returns empty when cancelled.
  std::function<QString(const QString& current)> AskTimeZone;

  int AppliedCityIndex = -1;     // city entry last applied; -1 when none or typed
  bool LocationListLoaded = false;
  bool LocationListChanged = false;
  const places::LocationList& Locations() const { return list_; }

  // The system beep for a refused key; tests listen in.
  std::function<void()> Beep;

  QLineEdit* txtCLoc = nullptr;
  QComboBox* cboCities = nullptr;
  QLineEdit* txtLong = nullptr;
  QLineEdit* txtLat = nullptr;
  QComboBox* cboTZ = nullptr;
  QPushButton* cmdChange = nullptr;
  QPushButton* cmdCancelSettings = nullptr;

signals:
  // Change with valid fields: the location to apply. AppliedCityIndex is set.
  void locationApplied(const settings::SiteLocation& location);
  // Cancel or Escape.
  void cancelled();

private:
  void BuildControls(const std::function<int(int)>& scale);
  // The fields as a location, or nothing after the error was shown.
  std::optional<settings::SiteLocation> CheckedLocation();
  void cboCitiesChange();
  void FillFromSelectedCity();
  void FillCityChoice();
  void ChooseZone(std::optional<int> zoneIndex);
  void FitZoneChoice();
  std::optional<int> ChosenZone() const;

  places::LocationFilePaths files_;
  places::LocationList list_;
  places::LocationList listAsRead_; // the file's records when read or last saved
  QString pickedZone_; // empty: none chosen by hand
};

} // namespace location_editor
