// SPDX-License-Identifier: GPL-3.0-or-later
#include "day/status_texts.h"
#include "astro/display.h"
#include "day/time_settings.h"

#include "day_test_support.h"

#include <gtest/gtest.h>

namespace day {
namespace {

TEST(TimeTypeText, NamesTheClock) {
  struct Case {
    int timeType;
    const char* expected;
  };
  const Case cases[] = {{0, "ST"}, {1, "DT"}, {2, "UT"}, {3, "UT"}, {-1, "UT"}};
  for (const auto& c : cases) EXPECT_EQ(TimeTypeText(c.timeType), QLatin1String(c.expected)) << c.timeType;
}

TEST(TwilightText, NamesTheTwilight) {
  struct Case {
    int twilight;
    const char* expected;
  };
  const Case cases[] = {{0, "Ast."}, {1, "Naut."}, {2, "Civ."}, {3, "Civ."}, {-1, "Civ."}};
  for (const auto& c : cases) EXPECT_EQ(TwilightText(c.twilight), QLatin1String(c.expected)) << c.twilight;
}

TEST(ClockText, ShowsTheWallClockUnrounded) {
  struct Case {
    QTime now;
    const char* pattern;
    const char* expected;
  };
  const Case cases[] = {
      {QTime(18, 30, 59, 900), "h:nn AMPM", "6:30 PM"},
      {QTime(0, 5, 0), "h:nn AMPM", "12:05 AM"},
      {QTime(18, 30, 59, 900), "h:nn AM/PM", "6:30 PM"},
      {QTime(18, 30, 59, 900), "hh:nn", "18:30"},
      {QTime(7, 4, 3), "hh:nn:ss", "07:04:03"},
      {QTime(23, 59, 59, 999), "hh:nn:ss", "23:59:59"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ClockText(c.now, c.pattern), QLatin1String(c.expected)) << c.now.toString().toStdString();
}

// Read out, the clock changes once a minute: no seconds in any pattern.
TEST(SpokenClockText, IsTheMinuteInTheClocksPattern) {
  const struct {
    QTime now;
    const char* pattern;
    const char* expected;
  } cases[] = {
      {QTime(18, 30, 59, 900), "h:nn AM/PM", "6:30 PM"},
      {QTime(7, 4, 3), "hh:nn:ss", "07:04"},
      {QTime(23, 59, 59, 999), "hh:nn:ss", "23:59"},
      {QTime(23, 59, 59, 999), "hh:nn", "23:59"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SpokenClockText(c.now, c.pattern), QLatin1String(c.expected)) << c.now.toString().toStdString();
}

TEST(StatusPanelTextsOf, FillsTheFourBoxesWithoutTheUniversalTimeSuffix) {
  astro::AstroState state;
  state.TimeType = 2;
  state.TimeFormat = "hh:nn";
  const StatusPanelTexts texts = StatusPanelTextsOf(QStringLiteral("Greenwich"), state, 0, QTime(9, 41));
  EXPECT_EQ(texts.location, QLatin1String("Greenwich"));
  EXPECT_EQ(texts.timeType, QLatin1String("UT"));
  EXPECT_EQ(texts.twilight, QLatin1String("Ast."));
  EXPECT_EQ(texts.clock, QLatin1String("09:41")) << "the wall clock, whatever the time type";
}

} // namespace
} // namespace day

namespace day {
namespace {

struct BoxCase {
  const char* zone;
  int timeType;
  float zoneHours;
  const char* date;
  const char* text;
  const char* note;
};

// The time box names the place's clock in Local Time, and in standard or
// daylight time marks a clock the place does not keep that date.
TEST(TimeTypeBoxOf, NamesTheClockInForceAndMarksAClockThePlaceDoesNotKeep) {
  const BoxCase cases[] = {
      {"Europe/London", 0, 0.0f, "2026-07-01", "ST*", "London keeps BST on this date; times are shown in GMT"},
      {"Europe/London", 1, -1.0f, "2026-07-01", "DT", ""},
      {"Europe/London", 0, 0.0f, "2026-01-15", "ST", ""},
      {"Europe/London", 1, -1.0f, "2026-01-15", "DT*", "London keeps GMT on this date; times are shown in BST"},
      {"Europe/London", 3, -1.0f, "2026-07-01", "BST", ""},
      {"Europe/London", 2, 0.0f, "2026-07-01", "UT", ""},
      {"Australia/Sydney", 3, -11.0f, "2026-01-15", "AEDT", ""},
      {"Asia/Kathmandu", 3, -5.75f, "2026-01-15", "+0545", ""},
      {"UTC-05", 1, 4.0f, "2026-01-15", "DT", "a bare offset: the place's changes are unknown"},
  };
  for (const BoxCase& c : cases) {
    astro::AstroState state;
    state.TimeType = c.timeType;
    state.ZoneHours = c.zoneHours;
    state.CalcDate = astro::DateTimeOfDate(QDate::fromString(QLatin1String(c.date), Qt::ISODate));
    SetLocalClock(state, QLatin1String(c.zone), c.zoneHours);
    const TimeTypeBox box = TimeTypeBoxOf(QStringLiteral("London"), state);
    EXPECT_EQ(box.text, QLatin1String(c.text)) << c.zone << ' ' << c.date << ' ' << c.timeType;
    if (QByteArray(c.note).contains("keeps")) EXPECT_EQ(box.note, QLatin1String(c.note)) << c.zone << ' ' << c.date;
    else EXPECT_TRUE(box.note.isEmpty()) << c.zone << ' ' << c.date << ": " << box.note.toStdString();
  }
}

} // namespace
} // namespace day
