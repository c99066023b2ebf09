// SPDX-License-Identifier: GPL-3.0-or-later
// The lower half of the main window: the calendar, the location editor, the
// colour panel and the date panel share one place, and the closing questions.

#include "main_window.h"

#include "closing_prompts.h"
#include "colours/colour_panel.h"
#include "date_entry/date_panel.h"
#include "day_canvas.h"
#include "location_editor/location_editor.h"
#include "status_strip.h"

#include <QAction>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMessageBox>

namespace main_window {
namespace {

struct ViewTraits {
  bool calendarShown;  // the calendar area stays visible
  bool listMenus;      // the File menu instead of Time, Options and List
  int helpContext;
};

ViewTraits TraitsOf(LowerView view) {
  switch (view) {
    case LowerView::Calendar: return {true, false, help::kMainWindowTopic};
    case LowerView::LocationEditor: return {false, true, help::kLocationEditorTopic};
    case LowerView::ColourPanel: return {false, false, help::kColoursTopic};
    case LowerView::DatePanel: return {true, false, help::kMainWindowTopic};
  }
  return {true, false, help::kMainWindowTopic};
}

} // namespace

void TfrmVesperon::CreateLowerPanels() {
  const std::function<int(int)> scale = [this](int pixels) { return S(pixels); };
  pnlSettings_ = new location_editor::LocationEditor(canvas_, scale, locationFiles_);
  pnlDate_ = new date_entry::DatePanel(canvas_, scale);
  lowerPanels_[LowerView::LocationEditor] = pnlSettings_;
  lowerPanels_[LowerView::DatePanel] = pnlDate_;
  pnlColor_ = new colours::ColourPanel(canvas_, settings_, scale);
  lowerPanels_[LowerView::ColourPanel] = pnlColor_;
}

void TfrmVesperon::ConnectLowerPanels() {
  connect(pnlSettings_, &location_editor::LocationEditor::locationApplied, this, &TfrmVesperon::ApplyLocation);
  connect(pnlSettings_, &location_editor::LocationEditor::cancelled, this, [this] { ShowLowerView(LowerView::Calendar); });
  connect(statusStrip_, &StatusStrip::locationClicked, this, &TfrmVesperon::ToggleLocationEditor);
  connect(pnlDate_, &date_entry::DatePanel::dateEntered, this,
          [this](const dates::ShownDate& date) { EnterDate(date.year, date.month, date.day); });
  connect(pnlColor_, &colours::ColourPanel::coloursChanged, this, [this] {
    ApplyColours();
    DrawDisc();
  });
  connect(pnlColor_, &colours::ColourPanel::closed, this, [this] { ShowLowerView(LowerView::Calendar); });
  connect(pnlDate_, &date_entry::DatePanel::cancelled, this, [this] { ShowLowerView(LowerView::Calendar); });
  connect(calendar_, &calendar_panel::CalendarPanel::dateEntryRequested, this,
          [this](bool yearField) { mnuDateClick(!yearField); });
}

void TfrmVesperon::ShowLowerView(LowerView view) {
  calendar_->StopRepeat();
  // A hidden panel would keep the focus, and its controls the keys, unless the
  // window takes the focus back.
  if (view == LowerView::Calendar) setFocus(Qt::OtherFocusReason);
  const ViewTraits traits = TraitsOf(view);
  for (const auto& [panelView, panel] : lowerPanels_) {
    if (panelView != view) panel->hide();
  }
  calendar_->setVisible(traits.calendarShown);
  calendar_->SetNavigationEnabled(view != LowerView::DatePanel);
  if (const auto found = lowerPanels_.find(view); found != lowerPanels_.end()) {
    found->second->show();
    found->second->raise();
  }
  for (const char* name : {"mnuTime", "mnuOptions", "mnuList", "mnuSkyEvents", "mnuCharts"})
    menuAction(name)->setVisible(!traits.listMenus);
  menuAction("mnuFile")->setVisible(traits.listMenus);
  HelpContext = traits.helpContext;
  lowerView_ = view;
  UpdateLayout();
}

void TfrmVesperon::ToggleLocationEditor() {
  if (lowerView_ == LowerView::LocationEditor) {
    pnlSettings_->RestoreCityChoice();
    ShowLowerView(LowerView::Calendar);
    return;
  }
  ShowLowerView(LowerView::LocationEditor);
  const bool listAvailable = pnlSettings_->Open(settings_.Location);
  for (const char* name : {"mnuListAdd", "mnuListRemove", "mnuListSave"}) menuAction(name)->setEnabled(listAvailable);
  menuAction("mnuFile")->setEnabled(listAvailable);
}

void TfrmVesperon::ToggleColourPanel() {
  if (lowerView_ == LowerView::ColourPanel) {
    ShowLowerView(LowerView::Calendar);
    return;
  }
  ShowLowerView(LowerView::ColourPanel);
  pnlColor_->ShowCurrentColourInPalette();
}

void TfrmVesperon::ApplyLocation(const settings::SiteLocation& location) {
  settings_.Location = location;
  state_.SiteLatitude = location.SiteLatitude;
  state_.SiteLongitude = location.SiteLongitude;
  ApplyTimeSettings();
  ShowStatusPanels();
  ShowLowerView(LowerView::Calendar);
  ShowDay();
}

void TfrmVesperon::mnuDateClick(bool focusMonth) {
  if (lowerView_ == LowerView::DatePanel) {
    ShowLowerView(LowerView::Calendar);
    return;
  }
  if (lowerView_ != LowerView::Calendar) return;
  QPalette palette = pnlDate_->palette();
  palette.setColor(QPalette::WindowText, canvas_->palette().color(QPalette::WindowText));
  pnlDate_->setPalette(palette);
  ShowLowerView(LowerView::DatePanel);
  pnlDate_->Fill(dates::SplitDate(state_.CalcDate), focusMonth);
}

void TfrmVesperon::EnterDate(int year, int month, int day) {
  ShowLowerView(LowerView::Calendar);
  GoToDate(dates::JoinDate({year, month, day}));
}

bool TfrmVesperon::FormCloseQuery() {
  return main_window::AskClosingQuestions(
      this, storePath_, {settings_.Location, settings_.NH, storedSettings_.Location, storedSettings_.NH},
      *pnlSettings_);
}

void TfrmVesperon::closeEvent(QCloseEvent* event) {
  if (!FormCloseQuery()) {
    event->ignore();
    return;
  }
  // Saved here rather than only at destruction, so that a failure reaches the
  // user while the window can still stay open.
  const settings::SettingsStoreSave saved = SaveSettings();
  if (!saved.ok && QMessageBox::warning(this, QStringLiteral("Vesperon"),
                                        tr("%1\n\nClose without saving the settings?").arg(saved.error),
                                        QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes) {
    event->ignore();
    return;
  }
  event->accept();
}

} // namespace main_window
