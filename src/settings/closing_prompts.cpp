#include "closing_prompts.h"

#include "closing_questions.h"
#include "location_editor.h"
#include "message_boxes.h"
#include "stored_location.h"

namespace settings {

bool AskClosingQuestions(QWidget* parent, QSettings& store, const ClosingState& state, LocationEditor& editor) {
  if (LocationQuestionDue(store, state.location)) {
    const QMessageBox::StandardButton answer = AskToConfirm(parent, LocationQuestion(state.location));
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::Yes) WriteStoredLocation(store, state.location);
  }
  if (HemisphereQuestionDue(store, state.NH)) {
    const QMessageBox::StandardButton answer = AskToConfirm(parent, HemisphereQuestion(state.NH));
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::Yes) KeepHemisphere(store, state.NH);
  }
  if (editor.LocationListChanged) {
    const QMessageBox::StandardButton answer = AskToConfirm(parent, LocationListQuestion());
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::Yes && !editor.ListSave()) return false;
  }
  return true;
}

} // namespace settings
