// SPDX-License-Identifier: GPL-3.0-or-later
#include "closing_prompts.h"

#include "closing_questions.h"
#include "location_editor.h"
#include "message_boxes.h"
#include "settings_store_save.h"
#include "store_snapshot.h"
#include "stored_location.h"

#include <functional>

namespace settings {
namespace {

// Writes through a checked copy of the store; a failure is shown and keeps the
// window open, so that what the user chose to keep is not lost unseen.
bool Keep(QWidget* parent, const QString& storePath, const std::function<void(QSettings&)>& write) {
  const SettingsStoreSave saved = SaveSettingsStore(storePath, write);
  if (!saved.ok) ShowInputError(parent, QStringLiteral("Vesperon"), saved.error);
  return saved.ok;
}

} // namespace

bool AskClosingQuestions(QWidget* parent, const QString& storePath, const ClosingState& state,
                         LocationEditor& editor) {
  const StoreSnapshot stored(storePath);
  const QSettings& store = stored.values();
  if (LocationQuestionDue(store, state.loadedLocation, state.location)) {
    const QMessageBox::StandardButton answer = AskToConfirm(parent, LocationQuestion(state.location));
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::Yes &&
        !Keep(parent, storePath, [&state](QSettings& s) { WriteStoredLocation(s, state.location); }))
      return false;
  }
  if (HemisphereQuestionDue(store, state.loadedNH, state.NH)) {
    const QMessageBox::StandardButton answer = AskToConfirm(parent, HemisphereQuestion(state.NH));
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::Yes && !Keep(parent, storePath, [&state](QSettings& s) { KeepHemisphere(s, state.NH); }))
      return false;
  }
  if (editor.LocationListChanged) {
    const QMessageBox::StandardButton answer = AskToConfirm(parent, LocationListQuestion());
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::Yes && !editor.ListSave()) return false;
  }
  return true;
}

} // namespace settings
