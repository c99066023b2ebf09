// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_export_commands.h"

#include "copy_text.h"
#include "display.h"
#include "ics_writer.h"
#include "sky_calendar_events.h"
#include "sky_event_formats.h"
#include "table_texts.h"
#include "year_data.h"

namespace cli {

std::variant<QString, CliError> RunIcs(const CliRequest& request, const CliContext& c, const QDateTime& stamp) {
  const ExportOptions& o = request.exportOptions;
  const astro::AstroState state = StateFor(c, *o.from);
  const auto events = exporting::CollectEvents(state, c.settings.Twilight, *o.from, *o.to, o.events);
  const exporting::CalendarFileText file = exporting::CalendarFile(events, c.site, stamp);
  if (!file.refusal.isEmpty()) return CliError{file.refusal};
  return QString::fromUtf8(file.bytes);
}

QString RunYear(const CliRequest& request, const CliContext& c) {
  const ExportOptions& o = request.exportOptions;
  const astro::AstroState state = StateFor(c, QDate(*o.year, 1, 1));
  const exporting::YearTable table = exporting::ComputeYearTable(state, *o.year, *o.event);
  const exporting::YearContext context{PrintableSite(c.site), c.settings.TFormat, c.settings.TimeType};
  switch (o.mode) {
  case YearMode::Csv: return monthtable::JoinLines(exporting::YearCsvLines(table, context), monthtable::LineEnd::Lf);
  case YearMode::Json: return exporting::YearJson(table, context);
  case YearMode::Text: break;
  }
  return monthtable::JoinLines(exporting::YearTextLines(table, context), monthtable::LineEnd::Lf);
}

QString RunEvents(const CliRequest& request, const CliContext& c) {
  const ExportOptions& o = request.exportOptions;
  const QDate from = o.year ? QDate(*o.year, 1, 1) : *o.from;
  const QDate to = o.year ? QDate(*o.year, 12, 31) : *o.to;
  const astro::AstroState state = StateFor(c, from);
  const sky::GeoSite site{c.site.SiteLatitude, c.site.SiteLongitude, 0.0};
  const auto events = sky::SkyEventsBetween(exporting::JulianDayOfLocalMidnight(from, state.ZoneHours),
                                            exporting::JulianDayOfLocalMidnight(to.addDays(1), state.ZoneHours),
                                            site, o.kinds);
  const sky::EventListContext context{PrintableSite(c.site).SiteName, c.site.SiteLatitude, c.site.SiteLongitude,
                                      state.ZoneHours, monthtable::TimeTypeName(c.settings.TimeType), from, to};
  switch (o.mode) {
  case YearMode::Csv: return monthtable::JoinLines(sky::EventCsvLines(events, context), monthtable::LineEnd::Lf);
  case YearMode::Json: return sky::EventsJson(events, context);
  case YearMode::Text: break;
  }
  return monthtable::JoinLines(sky::EventTextLines(events, context), monthtable::LineEnd::Lf);
}

} // namespace cli
