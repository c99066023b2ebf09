// SPDX-License-Identifier: GPL-3.0-or-later
#include "year_text.h"

#include "dates/calendar_names.h"
#include "month/copy_text.h"
#include "month/table_texts.h"
#include "month/title_block.h"

#include <QCoreApplication>

namespace year {
namespace {

struct Words {
  Q_DECLARE_TR_FUNCTIONS(year)
};

constexpr int kDayColumn = 3;                  // "Day", then "01 " .. "31 "
constexpr int kHhmm = 4;                       // the width of a time
constexpr int kMonthBlock = 11;                // two blanks, hhmm, a blank, hhmm
constexpr int kLineWidth = kDayColumn + 12 * kMonthBlock;
const QString kNoDay = QStringLiteral("    "); // 30 February and the like

QString Hhmm(const YearTime& t, int timeType) {
  if (t.missing != month::MissingReason::None) return MissingMark(t.missing);
  return month::ListTime(t.time, 1, timeType).remove(QLatin1Char(':'));
}

// The footnote of a mark of the body staying above or below the searched
// altitude all day: "****  the Sun stays above the horizon all day".
QString StaysNote(const YearTable& table, bool above) {
  const QString mark = MissingMark(above ? month::MissingReason::StaysAbove : month::MissingReason::StaysBelow);
  if (IsTwilight(table.event))
    return (above ? Words::tr("%1  the Sun stays above %2\u00B0 below the horizon all day")
                  : Words::tr("%1  the Sun stays below %2\u00B0 below the horizon all day"))
        .arg(mark)
        .arg(-table.altitude);
  if (table.event == YearEvent::Moon)
    return (above ? Words::tr("%1  the Moon stays above the horizon all day")
                  : Words::tr("%1  the Moon stays below the horizon all day"))
        .arg(mark);
  return (above ? Words::tr("%1  the Sun stays above the horizon all day")
                : Words::tr("%1  the Sun stays below the horizon all day"))
      .arg(mark);
}

// The title's pattern, untranslated.
const char* TitlePattern(YearEvent event) {
  switch (event) {
  case YearEvent::Sun: return QT_TRANSLATE_NOOP("year", "Sunrise and Sunset for %1");
  case YearEvent::Moon: return QT_TRANSLATE_NOOP("year", "Moonrise and Moonset for %1");
  case YearEvent::Civil: return QT_TRANSLATE_NOOP("year", "Civil Twilight for %1");
  case YearEvent::Nautical: return QT_TRANSLATE_NOOP("year", "Nautical Twilight for %1");
  case YearEvent::Astronomical: break;
  }
  return QT_TRANSLATE_NOOP("year", "Astronomical Twilight for %1");
}

QString ChopBlanks(QString line) {
  while (line.endsWith(QLatin1Char(' '))) line.chop(1);
  return line;
}

} // namespace

QString YearTitle(const YearTable& table) { return Words::tr(TitlePattern(table.event)).arg(table.year); }

QString YearTitleUntranslated(const YearTable& table) {
  return QString::fromLatin1(TitlePattern(table.event)).arg(table.year);
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

  // Each word over its hhmm column: "Rise  Set".
  const bool twilight = IsTwilight(table.event);
  const QString first = twilight ? Words::tr("Beg.", "column heading, at most 4 letters") : Words::tr("Rise", "column heading, at most 4 letters");
  const QString second = twilight ? Words::tr("End", "column heading, at most 4 letters") : Words::tr("Set", "column heading, at most 4 letters");
  const QString pair = first.leftJustified(kHhmm) + QLatin1Char(' ') + second.rightJustified(kHhmm);
  QString months = QString(kDayColumn, QLatin1Char(' '));
  QString columns = Words::tr("Day", "column heading, at most 3 letters").leftJustified(kDayColumn);
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

  lines << QString() << StaysNote(table, true) << StaysNote(table, false)
        << Words::tr("%1  no such event that day (it falls on the day before or after)")
               .arg(MissingMark(month::MissingReason::NoEventToday));
  if (!table.clockNames.isEmpty()) lines << Words::tr("*     the clocks change that day (%1)").arg(table.clockNames);
  return lines;
}

} // namespace year
