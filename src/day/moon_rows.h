// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The moon block of the day view: up to three rows (rise, transit, set), each a
// label, a time and an extra column (illumination or azimuth), shown in the
// order in which the events happen that day.

#include "astro/astro_state.h"

#include <QString>
#include <array>

namespace day {

struct MoonRow {
  QString label;
  QString time;
  QString extra;
};

enum class MoonRowKind { Rise, Transit, Set, Empty };

// A moon row's label as painted, short enough for its box ("Moonrise :"),
// and its event's whole name as read out ("Moonrise"); both empty for Empty.
QString MoonRowLabel(MoonRowKind kind);
QString MoonRowName(MoonRowKind kind);

// The kind whose MoonRowLabel is the text; Empty for any other text.
MoonRowKind MoonRowKindOfLabel(const QString& label);
using MoonRowOrder = std::array<MoonRowKind, 3>;

// The row order from the raw event times of the Moon (a missing event, 2 or 3,
// counts as late). With the transit: rise, transit, set started at the earliest
// of rise or set, else at the transit. Without it: rise and set by time, then
// an empty row.
MoonRowOrder MoonRowOrderOf(const astro::EventTimes& moon, bool wantTransit);

// Nine texts in DayText order: first time, first extra, second time, second
// extra, third time, third extra, then the first, second and third labels.
std::array<QString, 9> OrderMoonRows(const MoonRow& first, const MoonRow& second, const MoonRow& third);

} // namespace day
