// SPDX-License-Identifier: GPL-3.0-or-later
#include "closing_prompts.h"

#include "location_editor/location_editor.h"
#include "settings/closing_questions.h"
#include "settings/settings_store_save.h"
#include "settings/store_snapshot.h"
#include "settings/stored_location.h"
#include "ui_helpers/message_boxes.h"

#include <functional>

namespace main_window {
namespace {

// Writes through a checked copy of the store; a failure is shown and keeps the
// window open, so that what the user chose to keep is not lost unseen.
bool Keep(QWidget* parent, const QString& storePath, const std::function<void(QSettings&)>& write) {
  const settings::SettingsStoreSave saved = settings::SaveSettingsStore(storePath, write);
  if (!saved.ok) ui_helpers::ShowInputError(parent, QStringLiteral("Vesperon"), saved.error);
  return saved.ok;
}

} // namespace

bool AskClosingQuestions(QWidget* parent, const QString& storePath, const ClosingState& state,
                         location_editor::LocationEditor& editor) {
  const settings::StoreSnapshot stored(storePath);
  const QSettings& store = stored.values();
  if (settings::LocationQuestionDue(store, state.loadedLocation, state.location)) {
    const QMessageBox::StandardButton answer = ui_helpers::AskToConfirm(parent, settings::LocationQuestion(state.location));
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::Yes &&
        !Keep(parent, storePath, [&state](QSettings& s) { settings::WriteStoredLocation(s, state.location); }))
      return false;
  }
  if (settings::HemisphereQuestionDue(store, state.loadedNH, state.NH)) {
    const QMessageBox::StandardButton answer = ui_helpers::AskToConfirm(parent, settings::HemisphereQuestion(state.NH));
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::Yes && !Keep(parent, storePath, [&state](QSettings& s) { settings::KeepHemisphere(s, state.NH); }))
      return false;
  }
  if (editor.LocationListChanged) {
    const QMessageBox::StandardButton answer = ui_helpers::AskToConfirm(parent, settings::LocationListQuestion());
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::Yes && !editor.ListSave()) return false;
  }
  return true;
}

} // namespace main_window
