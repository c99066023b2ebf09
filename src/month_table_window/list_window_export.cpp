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

#include <QCoreApplication>
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

constexpr YearChoice kYearChoices[] = {
    {QT_TRANSLATE_NOOP("month_table_window", "Sunrise and Sunset"), year::YearEvent::Sun},
    {QT_TRANSLATE_NOOP("month_table_window", "Moonrise and Moonset"), year::YearEvent::Moon},
    {QT_TRANSLATE_NOOP("month_table_window", "Civil Twilight"), year::YearEvent::Civil},
    {QT_TRANSLATE_NOOP("month_table_window", "Nautical Twilight"), year::YearEvent::Nautical},
    {QT_TRANSLATE_NOOP("month_table_window", "Astronomical Twilight"), year::YearEvent::Astronomical}};

struct Texts {
  Q_DECLARE_TR_FUNCTIONS(month_table_window)
};

// A file dialog's filter: its translated name, then its file-name patterns.
QString Filter(const char* name, const char* patterns) {
  return QStringLiteral("%1 (%2)").arg(Texts::tr(name), QLatin1String(patterns));
}

// The filter that follows every other, after the separator of filters.
QString AllFiles() { return QStringLiteral(";;") + Filter(QT_TRANSLATE_NOOP("month_table_window", "All files"), "*"); }

} // namespace

ExportChoosers DialogChoosers() {
  return {ui_helpers::AskSaveFileName,
          [](QWidget* parent) -> std::optional<year::YearEvent> {
            QStringList labels;
            for (const YearChoice& c : kYearChoices) labels << Texts::tr(c.label);
            QInputDialog dialog(parent);
            dialog.setWindowTitle(Texts::tr("Print Year Table"));
            dialog.setLabelText(Texts::tr("&Events:"));
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
  } items[] = {{QT_TR_NOOP("Save as Ca&lendar..."), "mnuSaveCalendar", &TfrmList::SaveAsCalendar},
               {QT_TR_NOOP("Save as CS&V..."), "mnuSaveCsv", &TfrmList::SaveAsCsv},
               {QT_TR_NOOP("Save as &Text..."), "mnuSaveText", &TfrmList::SaveAsText},
               {QT_TR_NOOP("Print &Year Table..."), "mnuPrintYear", &TfrmList::PrintYearTable}};
  file->addSeparator();
  for (const auto& i : items) {
    QAction* action = file->addAction(tr(i.caption));
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
  const QString caption = tr("Save as Calendar");
  const calendar_file::CalendarFileText file =
      calendar_file::CalendarFile(events, built_.location, QDateTime::currentDateTimeUtc());
  if (!ui_helpers::NothingRefused(this, caption, file.refusal)) return;
  SaveFile(caption, QStringLiteral(".ics"), Filter(QT_TRANSLATE_NOOP("month_table_window", "Calendar files"), "*.ics") + AllFiles(), file.bytes);
}

void TfrmList::SaveAsCsv() {
  SaveCopyText(tr("Save as CSV"), QStringLiteral(".csv"), Filter(QT_TRANSLATE_NOOP("month_table_window", "CSV files"), "*.csv"), 2,
               month::LineEnd::CrLf);
}

void TfrmList::SaveAsText() {
  SaveCopyText(tr("Save as Text"), QStringLiteral(".txt"), Filter(QT_TRANSLATE_NOOP("month_table_window", "Text files"), "*.txt"), 0,
               month::LineEnd::Lf);
}

void TfrmList::SaveCopyText(const QString& caption, const QString& extension, const QString& filter, int copyMode,
                            month::LineEnd lineEnd) {
  SaveFile(caption, extension, filter + AllFiles(),
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
