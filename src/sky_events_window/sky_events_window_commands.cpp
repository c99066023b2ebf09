// SPDX-License-Identifier: GPL-3.0-or-later
// The Sky Events window's menus and what they do: copy, print, the three
// saves and the year steps.

#include "calendar_file/almanac_events.h"
#include "calendar_file/sky_calendar_events.h"
#include "calendar_file/ics_writer.h"
#include "help/help_key.h"
#include "help/help_topics.h"
#include "month/copy_text.h"
#include "sky_events/sky_event_formats.h"
#include "sky_events_model.h"
#include "sky_events_print.h"
#include "sky_events_window.h"
#include "ui_helpers/file_save.h"
#include "ui_helpers/print_output.h"

#include <QClipboard>
#include <QDateTime>
#include <QGuiApplication>
#include <QMenuBar>

namespace sky_events_window {

QAction* SkyEventsWindow::menuAction(const QString& objectName) const {
  const auto found = actions_.find(objectName);
  return found == actions_.end() ? nullptr : found->second;
}

void SkyEventsWindow::CreateMenus() {
  const auto item = [this](QMenu* menu, const QString& caption, const char* name, const QKeySequence& key,
                           std::function<void()> handler) {
    auto* action = menu ? menu->addAction(caption) : new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(key);
    action->setProperty(help::kHelpContextProperty, static_cast<int>(help::kSkyEventsTopic));
    connect(action, &QAction::triggered, this, [handler] { handler(); });
    actions_[QLatin1String(name)] = action;
    return action;
  };

  QMenu* file = menuBar()->addMenu(tr("&File"));
  item(file, tr("&Print"), "mnuPrint", QKeySequence(Qt::CTRL | Qt::Key_P), [this] { PrintList(); });
  item(file, tr("&Copy"), "mnuCopy", QKeySequence(Qt::CTRL | Qt::Key_C), [this] { CopyList(); });
  file->addSeparator();
  item(file, tr("Save as &Text..."), "mnuSaveText", {}, [this] { SaveAsText(); });
  item(file, tr("Save as CS&V..."), "mnuSaveCsv", {}, [this] { SaveAsCsv(); });
  item(file, tr("Save as Ca&lendar..."), "mnuSaveCalendar", {}, [this] { SaveAsCalendar(); });
  file->addSeparator();
  item(file, tr("E&xit"), "mnuExit", {}, [this] { close(); });

  // The main window's calendar steps a year with Ctrl+Page Up and Down too.
  QMenu* year = menuBar()->addMenu(tr("&Year"));
  item(year, tr("&Previous Year"), "mnuPreviousYear", QKeySequence(Qt::CTRL | Qt::Key_PageUp), [this] { StepYear(-1); });
  item(year, tr("&Next Year"), "mnuNextYear", QKeySequence(Qt::CTRL | Qt::Key_PageDown), [this] { StepYear(1); });

  // What the list shows: the events seen from the place, the kinds.
  QMenu* show = menuBar()->addMenu(tr("&Show"));
  const auto check = [&](const QString& caption, const char* name, bool checked) {
    QAction* action = item(show, caption, name, {}, [this] { Build(); });
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
  };
  visibleOnly_ = check(tr("&Visible Here Only"), "mnuVisibleOnly", false);
  show->addSeparator();
  seasons_ = check(tr("&Seasons"), "mnuSeasons", true);
  eclipses_ = check(tr("&Eclipses"), "mnuEclipses", true);
  apsides_ = check(tr("&Perigees and Apogees"), "mnuApsides", true);

  // Esc closes, as the Close button is the window's cancel button.
  addAction(item(nullptr, tr("Close"), "mnuEscape", QKeySequence(Qt::Key_Escape), [this] { close(); }));
  for (QMenu* menu : {file, year, show})
    menu->menuAction()->setProperty(help::kHelpContextProperty, static_cast<int>(help::kSkyEventsTopic));
}

QStringList SkyEventsWindow::TextLines() const { return sky_events::EventTextLines(model_->events(), ListContext()); }

void SkyEventsWindow::CopyList() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(month::JoinLines(TextLines(), month::LineEnd::CrLf));
}

void SkyEventsWindow::PrintList() {
  const QStringList heading = TextLines().mid(0, 2);
  const std::vector<EventCells>& rows = model_->rows();
  ui_helpers::PrintAndReport(
      this, Title(), [&](QPainter& painter, QPrinter& printer) { PrintEventRows(painter, printer, heading, rows); },
      QPageLayout::Landscape);
}

void SkyEventsWindow::setSaveFileChooser(ui_helpers::SaveFileChooser choose) { chooseFile_ = std::move(choose); }

bool SkyEventsWindow::Save(const QString& caption, const QString& extension, const QString& filter,
                           const QByteArray& bytes) {
  return ui_helpers::SaveBytesToChosenFile(this, chooseFile_, caption, Title(), extension,
                                           filter + QStringLiteral(";;") + tr("All files (*)"), bytes, lastSaveFolder_);
}

void SkyEventsWindow::SaveAsText() {
  Save(tr("Save as Text"), QStringLiteral(".txt"), tr("Text files (*.txt)"),
       month::JoinLines(TextLines(), month::LineEnd::Lf).toUtf8());
}

void SkyEventsWindow::SaveAsCsv() {
  Save(tr("Save as CSV"), QStringLiteral(".csv"), tr("CSV files (*.csv)"),
       month::JoinLines(sky_events::EventCsvLines(model_->events(), ListContext()), month::LineEnd::CrLf).toUtf8());
}

void SkyEventsWindow::SaveAsCalendar() {
  std::vector<calendar_file::AlmanacEvent> events;
  const astro::ShownClock clock = ClockOf(YearAndPlaceOf(built_.state, year_));
  for (const sky_events::SkyEvent& e : model_->events()) events.push_back(calendar_file::SkyCalendarEvent(e, clock));
  const QString caption = tr("Save as Calendar");
  const calendar_file::CalendarFileText file =
      calendar_file::CalendarFile(events, built_.location, QDateTime::currentDateTimeUtc());
  if (!ui_helpers::NothingRefused(this, caption, file.refusal)) return;
  Save(caption, QStringLiteral(".ics"), tr("Calendar files (*.ics)"), file.bytes);
}

} // namespace sky_events_window
