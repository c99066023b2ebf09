// SPDX-License-Identifier: GPL-3.0-or-later
// The month table window's File menu items that take the almanac elsewhere:
// the month as a calendar file, as CSV or as text, and the year table printed.

#include "astro/display.h"
#include "calendar_file/ics_writer.h"
#include "list_export.h"
#include "list_window.h"
#include "month/copy_text.h"
#include "ui_helpers/file_save.h"
#include "ui_helpers/print_output.h"
#include "ui_helpers/save_file_dialog.h"
#include "ui_helpers/text_fit.h"
#include "year/year_text.h"
#include "year_print.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QLayout>
#include <QMenu>

namespace month_table_window {
namespace {

struct YearChoice {
  const char* label;
  year::YearEvent event;
};

constexpr YearChoice kYearChoices[] = {{"Sunrise and Sunset", year::YearEvent::Sun},
                                       {"Moonrise and Moonset", year::YearEvent::Moon},
                                       {"Civil Twilight", year::YearEvent::Civil},
                                       {"Nautical Twilight", year::YearEvent::Nautical},
                                       {"Astronomical Twilight", year::YearEvent::Astronomical}};

} // namespace

ExportChoosers DialogChoosers() {
  return {ui_helpers::AskSaveFileName,
          [](QWidget* parent) -> std::optional<year::YearEvent> {
            QStringList labels;
            for (const YearChoice& c : kYearChoices) labels << QLatin1String(c.label);
            QInputDialog dialog(parent);
            dialog.setWindowTitle(QStringLiteral("Print Year Table"));
            dialog.setLabelText(QStringLiteral("&Events:"));
            dialog.setComboBoxItems(labels);
            dialog.setComboBoxEditable(false);
            // The dialog's layout, made when first measured, would hold it to
            // its contents' width.
            dialog.minimumSizeHint();
            if (dialog.layout()) dialog.layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
            dialog.setMinimumWidth(ui_helpers::WidthForTitle(dialog));
            if (dialog.exec() != QDialog::Accepted) return std::nullopt;
            const qsizetype chosen = labels.indexOf(dialog.textValue());
            if (chosen < 0) return std::nullopt;
            return kYearChoices[chosen].event;
          }};
}

void TfrmList::CreateExportMenuItems(QMenu* file) {
  const struct {
    const char *caption, *name;
    void (TfrmList::*handler)();
  } items[] = {{"Save as Ca&lendar...", "mnuSaveCalendar", &TfrmList::SaveAsCalendar},
               {"Save as CS&V...", "mnuSaveCsv", &TfrmList::SaveAsCsv},
               {"Save as &Text...", "mnuSaveText", &TfrmList::SaveAsText},
               {"Print &Year Table...", "mnuPrintYear", &TfrmList::PrintYearTable}};
  file->addSeparator();
  for (const auto& i : items) {
    QAction* action = file->addAction(QLatin1String(i.caption));
    action->setObjectName(QLatin1String(i.name));
    connect(action, &QAction::triggered, this, i.handler);
    actions_[QLatin1String(i.name)] = action;
  }
}

void TfrmList::setExportChoosers(ExportChoosers choosers) { choosers_ = std::move(choosers); }

bool TfrmList::SaveFile(const QString& caption, const QString& extension, const QString& filter,
                        const QByteArray& bytes) {
  return ui_helpers::SaveBytesToChosenFile(this, choosers_.saveFileName, caption, table().ListTitle, extension, filter, bytes,
                               s_.ListSaveDir);
}

void TfrmList::SaveAsCalendar() {
  const auto events = calendar_file::CollectEvents(built_.state, built_.Twilight, FirstShownDay(),
                                               FirstShownDay().addMonths(1).addDays(-1), {});
  const QString caption = QStringLiteral("Save as Calendar");
  const calendar_file::CalendarFileText file =
      calendar_file::CalendarFile(events, built_.location, QDateTime::currentDateTimeUtc());
  if (!ui_helpers::NothingRefused(this, caption, file.refusal)) return;
  SaveFile(caption, QStringLiteral(".ics"), QStringLiteral("Calendar files (*.ics);;All files (*)"), file.bytes);
}

void TfrmList::SaveAsCsv() {
  SaveCopyText(QStringLiteral("Save as CSV"), QStringLiteral(".csv"), QStringLiteral("CSV files (*.csv)"), 2,
               month::LineEnd::CrLf);
}

void TfrmList::SaveAsText() {
  SaveCopyText(QStringLiteral("Save as Text"), QStringLiteral(".txt"), QStringLiteral("Text files (*.txt)"), 0,
               month::LineEnd::Lf);
}

void TfrmList::SaveCopyText(const QString& caption, const QString& extension, const QString& filter, int copyMode,
                            month::LineEnd lineEnd) {
  SaveFile(caption, extension, filter + QStringLiteral(";;All files (*)"),
           month::JoinLines(month::CopyLines(table(), BuiltContext(), copyMode), lineEnd).toUtf8());
}

void TfrmList::PrintYearTable() {
  const std::optional<year::YearEvent> event = choosers_.yearEvent(this);
  if (!event) return;
  const int year = FirstShownDay().year();
  const year::YearTable yearTable = year::ComputeYearTable(built_.state, year, *event);
  const QStringList lines =
      year::YearTextLines(yearTable, {built_.location, built_.TFormat, built_.state.TimeType});
  ui_helpers::PrintAndReport(
      this, year::YearTitle(yearTable),
      [&lines](QPainter& painter, QPrinter& printer) { PrintYearLines(painter, printer, lines); },
      QPageLayout::Landscape);
}

QDate TfrmList::FirstShownDay() const {
  const QDate shown = astro::DateOfDateTime(built_.state.CalcDate);
  return {shown.year(), shown.month(), 1};
}

} // namespace month_table_window
