// SPDX-License-Identifier: GPL-3.0-or-later
#include "year_text.h"

#include "dates/calendar_names.h"
#include "month/copy_text.h"
#include "month/table_texts.h"
#include "month/title_block.h"

namespace year {
namespace {

constexpr int kDayColumn = 3;                  // "Day", then "01 " .. "31 "
constexpr int kMonthBlock = 11;                // two blanks, hhmm, a blank, hhmm
constexpr int kLineWidth = kDayColumn + 12 * kMonthBlock;
const QString kNoDay = QStringLiteral("    "); // 30 February and the like

QString Hhmm(const YearTime& t, int timeType) {
  if (t.missing != month::MissingReason::None) return MissingMark(t.missing);
  return month::ListTime(t.time, 1, timeType).remove(QLatin1Char(':'));
}

// Where the searched altitude is, for the footnote.
QString AltitudeName(const YearTable& table) {
  if (!IsTwilight(table.event)) return QStringLiteral("the horizon");
  return QStringLiteral("%1\u00B0 below the horizon").arg(-table.altitude);
}

QString BodyName(const YearTable& table) {
  return table.event == YearEvent::Moon ? QStringLiteral("the Moon") : QStringLiteral("the Sun");
}

QString ChopBlanks(QString line) {
  while (line.endsWith(QLatin1Char(' '))) line.chop(1);
  return line;
}

} // namespace

QString YearTitle(const YearTable& table) {
  switch (table.event) {
  case YearEvent::Sun: return QStringLiteral("Sunrise and Sunset for %1").arg(table.year);
  case YearEvent::Moon: return QStringLiteral("Moonrise and Moonset for %1").arg(table.year);
  case YearEvent::Civil: return QStringLiteral("Civil Twilight for %1").arg(table.year);
  case YearEvent::Nautical: return QStringLiteral("Nautical Twilight for %1").arg(table.year);
  case YearEvent::Astronomical: break;
  }
  return QStringLiteral("Astronomical Twilight for %1").arg(table.year);
}

QStringList YearHeading(const YearTable& table, const YearContext& context) {
  return {YearTitle(table), context.location.SiteName, month::CoordinatesLine(context.location),
          month::TimeTypeName(context.TimeType, table.clockNames)};
}

QString MissingMark(month::MissingReason reason) {
  switch (reason) {
  case month::MissingReason::StaysAbove: return QStringLiteral("****");
  case month::MissingReason::StaysBelow: return QStringLiteral("----");
  case month::MissingReason::NoEventToday:
  case month::MissingReason::None: break;
  }
  return QStringLiteral("....");
}

QStringList YearTextLines(const YearTable& table, const YearContext& context) {
  QStringList lines;
  for (const QString& line : YearHeading(table, context)) lines << month::CenterText(line, kLineWidth);
  lines << QString();

  const QString pair = IsTwilight(table.event) ? QStringLiteral("Beg.  End") : QStringLiteral("Rise  Set");
  QString months = QString(kDayColumn, QLatin1Char(' '));
  QString columns = QStringLiteral("Day");
  for (int month = 1; month <= 12; ++month) {
    months += QStringLiteral("  ") + dates::MonthName(month).left(3).leftJustified(9);
    columns += QStringLiteral("  ") + pair;
  }
  const QString units = QString(kDayColumn, QLatin1Char(' ')) + QStringLiteral("  h m  h m ").repeated(12);
  lines << ChopBlanks(months) << columns << ChopBlanks(units);

  // The days of each month in order, found by month and day.
  for (int day = 1; day <= 31; ++day) {
    QString row = QStringLiteral("%1 ").arg(day, 2, 10, QLatin1Char('0'));
    for (int month = 1; month <= 12; ++month) {
      const QDate date(table.year, month, day);
      if (!date.isValid()) {
        row += QStringLiteral("  ") + kNoDay + QLatin1Char(' ') + kNoDay;
        continue;
      }
      const YearDay& d = table.days[static_cast<std::size_t>(date.dayOfYear() - 1)];
      row += (d.clocksChange ? QStringLiteral("* ") : QStringLiteral("  ")) + Hhmm(d.times[0], context.TimeType) +
             QLatin1Char(' ') + Hhmm(d.times[1], context.TimeType);
    }
    lines << ChopBlanks(row);
  }

  const QString body = BodyName(table);
  const QString altitude = AltitudeName(table);
  lines << QString()
        << QStringLiteral("%1  %2 stays above %3 all day").arg(MissingMark(month::MissingReason::StaysAbove), body, altitude)
        << QStringLiteral("%1  %2 stays below %3 all day").arg(MissingMark(month::MissingReason::StaysBelow), body, altitude)
        << QStringLiteral("%1  no such event that day (it falls on the day before or after)")
               .arg(MissingMark(month::MissingReason::NoEventToday));
  if (!table.clockNames.isEmpty()) lines << QStringLiteral("*     the clocks change that day (%1)").arg(table.clockNames);
  return lines;
}

} // namespace year
