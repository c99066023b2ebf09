// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_chart_command.h"

#include "charts/altitude_scene.h"
#include "charts/daylight_scene.h"
#include "charts/svg_writer.h"

namespace cli {

QByteArray RunChart(const CliRequest& request, const CliContext& context) {
  const ChartOptions& o = request.chart;
  const charts::ChartClock clock{PrintableSite(context.site), context.settings.TFormat, context.settings.TimeType};
  const QSizeF size(o.width, o.height);
  if (o.kind == ChartKind::Daylight) {
    const int year = o.year.value_or(context.today.year());
    const charts::DaylightChart chart =
        charts::ComputeDaylightChart(StateFor(context, QDate(year, 1, 1)), clock, year, context.today);
    return charts::SvgOf(charts::DaylightScene(chart, size));
  }
  const QDate date = o.date.value_or(context.today);
  return charts::SvgOf(charts::AltitudeScene(charts::ComputeAltitudeChart(StateFor(context, date), clock, date), size));
}

} // namespace cli
