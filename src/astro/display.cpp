// SPDX-License-Identifier: GPL-3.0-or-later
#include "display.h"

#include "numeric.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <string_view>

namespace astro {
namespace {

constexpr long long kMillisecondsPerDay = 86400000;
// Julian Day number of 1899-12-30, day 0 of the date-time scale.
constexpr qint64 kJulianDayOfEpoch = 2415019;

QString TwoDigits(long long n) { return QString::number(n).rightJustified(2, QLatin1Char('0')); }

} // namespace

QString FormatClockTime(double dateTime, const std::string& pattern) {
  const double fraction = std::fabs(dateTime - std::trunc(dateTime));
  long long ms = std::llround(fraction * kMillisecondsPerDay);
  if (ms >= kMillisecondsPerDay) ms = kMillisecondsPerDay - 1; // never 24:00:00
  const long long hour = ms / 3600000;
  const long long minute = ms / 60000 % 60;
  const long long second = ms / 1000 % 60;

  const std::string_view p(pattern);
  const bool twelveHour = p.find("AMPM") != p.npos || p.find("AM/PM") != p.npos || p.find("a/p") != p.npos;
  const long long shownHour = twelveHour ? (hour % 12 == 0 ? 12 : hour % 12) : hour;
  const bool morning = hour < 12;

  QString text;
  for (std::size_t i = 0; i < p.size();) {
    const std::string_view rest = p.substr(i);
    if (rest.starts_with("AMPM")) {
      const QLocale locale;
      text += morning ? locale.amText() : locale.pmText();
      i += 4;
    } else if (rest.starts_with("AM/PM")) {
      text += QLatin1String(morning ? "AM" : "PM");
      i += 5;
    } else if (rest.starts_with("a/p")) {
      text += QLatin1Char(morning ? 'a' : 'p');
      i += 3;
    } else if (rest.starts_with("hh")) {
      text += TwoDigits(shownHour);
      i += 2;
    } else if (rest.starts_with("h")) {
      text += QString::number(shownHour);
      i += 1;
    } else if (rest.starts_with("nn")) {
      text += TwoDigits(minute);
      i += 2;
    } else if (rest.starts_with("ss")) {
      text += TwoDigits(second);
      i += 2;
    } else {
      text += QLatin1Char(p[i]);
      i += 1;
    }
  }
  return text;
}

QString TimeText(const AstroState& state, double t) {
  const bool universal = state.TimeType == 2;
  if (!state.ShowSeconds) {
    const double rounded = RoundToMinute(t);
    return universal ? FormatClockTime(rounded, "hh:nn") + QStringLiteral("  UT")
                     : FormatClockTime(rounded, state.TimeFormat);
  }
  return universal ? FormatClockTime(t, "hh:nn:ss") + QStringLiteral(" u")
                   : FormatClockTime(t, state.TimeFormat);
}

QDate DateOfDateTime(double dateTime) {
  return QDate::fromJulianDay(static_cast<qint64>(std::trunc(dateTime)) + kJulianDayOfEpoch);
}

double DateTimeOfDate(QDate date) { return static_cast<double>(date.toJulianDay() - kJulianDayOfEpoch); }

QString ShortDatePattern() {
  QString pattern = QLocale().dateFormat(QLocale::ShortFormat);
  if (!pattern.contains(QLatin1String("yyyy"))) {
    // Widen a run of "yy" (not part of a longer run) to four digits.
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    pattern.replace(twoDigitYear, QStringLiteral("yyyy"));
  }
  return pattern;
}

QString ShortDateText(double dateTime) { return QLocale().toString(DateOfDateTime(dateTime), ShortDatePattern()); }

QString LongDateText(double dateTime) {
  return QLocale().toString(DateOfDateTime(dateTime), QLocale::LongFormat);
}

QString DegreesText(double degrees) {
  // Half away from zero, as the number pattern "##0" rounds.
  return QString::number(static_cast<long long>(std::round(degrees))) + QChar(0x00B0);
}

} // namespace astro
