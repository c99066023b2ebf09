// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The texts of the status bar's four boxes.

#include "astro/astro_state.h"

#include <QString>
#include <QTime>
#include <string>

namespace day {

// "ST", "DT" or "UT" for time type 0, 1 or 2 (any other value: "UT").
QString TimeTypeText(int timeType);

// The time box on the shown date. In local time it names the place's clock
// in force ("BST", "AEDT", "+0545"). In standard or daylight time, where the
// place keeps the other clock that date, "*" follows the type and the note
// says so ("London keeps BST on this date; times are shown in GMT");
// otherwise the note is empty.
struct TimeTypeBox {
  QString text;
  QString note;
};
TimeTypeBox TimeTypeBoxOf(const QString& siteName, const astro::AstroState& state);

// "Ast.", "Naut." or "Civ." for twilight 0, 1 or 2 (any other value: "Civ.").
QString TwilightText(int twilight);

// The wall-clock time of day in the clock pattern, unrounded and without the
// Universal Time suffix whatever the time type.
QString ClockText(QTime now, const std::string& timeFormat);

// The clock as read out: its minute in the clock pattern without seconds, so
// that a screen reader hears it change once a minute.
QString SpokenClockText(QTime now, const std::string& timeFormat);

struct StatusPanelTexts {
  QString location;
  QString timeType;
  QString timeTypeNote; // TimeTypeBox::note
  QString twilight;
  QString clock;
  QString spokenClock; // SpokenClockText
};

StatusPanelTexts StatusPanelTextsOf(const QString& siteName, const astro::AstroState& state, int twilight,
                                    QTime now);

} // namespace day
