// SPDX-License-Identifier: GPL-3.0-or-later
#include "moon_rows.h"

#include <QCoreApplication>

namespace day {

QString MoonRowLabel(MoonRowKind kind) {
  switch (kind) {
    case MoonRowKind::Rise: return QCoreApplication::translate("day", "Moonrise :");
    case MoonRowKind::Transit: return QCoreApplication::translate("day", "Transit :", "the Moon's meridian passage");
    case MoonRowKind::Set: return QCoreApplication::translate("day", "Moonset :");
    case MoonRowKind::Empty: break;
  }
  return {};
}

QString MoonRowName(MoonRowKind kind) {
  switch (kind) {
    case MoonRowKind::Rise: return QCoreApplication::translate("day", "Moonrise");
    case MoonRowKind::Transit: return QCoreApplication::translate("day", "Transit", "the Moon's meridian passage");
    case MoonRowKind::Set: return QCoreApplication::translate("day", "Moonset");
    case MoonRowKind::Empty: break;
  }
  return {};
}

MoonRowKind MoonRowKindOfLabel(const QString& label) {
  for (const MoonRowKind kind : {MoonRowKind::Rise, MoonRowKind::Transit, MoonRowKind::Set})
    if (label == MoonRowLabel(kind)) return kind;
  return MoonRowKind::Empty;
}

MoonRowOrder MoonRowOrderOf(const astro::EventTimes& moon, bool wantTransit) {
  using enum MoonRowKind;
  const double rise = moon[astro::kRise];
  const double set = moon[astro::kSet];
  if (!wantTransit) return rise < set ? MoonRowOrder{Rise, Set, Empty} : MoonRowOrder{Set, Rise, Empty};

  const double transit = moon[astro::kTransit];
  if (rise < set && rise < transit) return {Rise, Transit, Set};
  if (set < rise && set < transit) return {Set, Rise, Transit};
  return {Transit, Set, Rise};
}

std::array<QString, 9> OrderMoonRows(const MoonRow& first, const MoonRow& second, const MoonRow& third) {
  return {first.time, first.extra, second.time, second.extra, third.time, third.extra,
          first.label, second.label, third.label};
}

} // namespace day
