// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_export_commands.h"

#include "astro/display.h"
#include "calendar_file/ics_writer.h"
#include "calendar_file/sky_calendar_events.h"
#include "month/copy_text.h"
#include "month/table_texts.h"
#include "sky_events/sky_event_formats.h"
#include "year/year_data.h"

namespace cli {

std::variant<QString, CliError> RunIcs(const CliRequest& request, const CliContext& c, const QDateTime& stamp) {
  const ExportOptions& o = request.exportOptions;
  const astro::AstroState state = StateFor(c, *o.from);
  const auto events = calendar_file::CollectEvents(state, c.settings.Twilight, *o.from, *o.to, o.events);
  const calendar_file::CalendarFileText file = calendar_file::CalendarFile(events, c.site, stamp);
  if (!file.refusal.isEmpty()) return CliError{file.refusal};
  return QString::fromUtf8(file.bytes);
}

QString RunYear(const CliRequest& request, const CliContext& c) {
  const ExportOptions& o = request.exportOptions;
  const astro::AstroState state = StateFor(c, QDate(*o.year, 1, 1));
  const year::YearTable table = year::ComputeYearTable(state, *o.year, *o.event);
  const year::YearContext context{PrintableSite(c.site), c.settings.TFormat, c.settings.TimeType};
  switch (o.mode) {
  case YearMode::Csv: return month::JoinLines(year::YearCsvLines(table, context), month::LineEnd::Lf);
  case YearMode::Json: return year::YearJson(table, context);
  case YearMode::Text: break;
  }
  return month::JoinLines(year::YearTextLines(table, context), month::LineEnd::Lf);
}

QString RunEvents(const CliRequest& request, const CliContext& c) {
  const ExportOptions& o = request.exportOptions;
  const QDate from = o.year ? QDate(*o.year, 1, 1) : *o.from;
  const QDate to = o.year ? QDate(*o.year, 12, 31) : *o.to;
  const astro::AstroState state = StateFor(c, from);
  const sky_events::GeoSite site{c.site.SiteLatitude, c.site.SiteLongitude, 0.0};
  const calendar_file::ShownSpan span = calendar_file::ShownSpanOf(state, from, to);
  const auto events = sky_events::SkyEventsBetween(span.begin, span.end, site, o.kinds);
  const sky_events::EventListContext context{PrintableSite(c.site).SiteName, c.site.SiteLatitude, c.site.SiteLongitude,
                                      state.ZoneHours, month::TimeTypeName(c.settings.TimeType), from, to,
                                      span.clock.IsFixed() ? astro::ShownClock() : span.clock};
  switch (o.mode) {
  case YearMode::Csv: return month::JoinLines(sky_events::EventCsvLines(events, context), month::LineEnd::Lf);
  case YearMode::Json: return sky_events::EventsJson(events, context);
  case YearMode::Text: break;
  }
  return month::JoinLines(sky_events::EventTextLines(events, context), month::LineEnd::Lf);
}

} // namespace cli
