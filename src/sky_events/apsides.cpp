// SPDX-License-Identifier: GPL-3.0-or-later
#include "apsides.h"

#include "body_positions.h"
#include "event_search.h"
#include "event_time.h"

#include <cmath>

namespace sky {
namespace {

// The mean perigee of number k (k = 0 the perigee of 1999-12-22; k + 0.5 the
// apogee after it), JDE, Meeus chapter 50. The true apsis wanders up to about
// two and a half days from it, the perigee most.
constexpr double kMeanPerigeeZero = 2451534.6698;
constexpr double kAnomalisticMonthDays = 27.55454989;

// The extreme of the distance near a mean apsis: whole-day samples over
// +-4 days, then a golden-section search around the best of them.
double FindExtreme(double mean, double sign) {
  double best = mean;
  double bestValue = -sign * MoonDistanceKm(mean);
  for (int day = -4; day <= 4; ++day) {
    const double value = -sign * MoonDistanceKm(mean + day);
    if (value < bestValue) {
      best = mean + day;
      bestValue = value;
    }
  }
  return MinimumBetween([sign](double jdTt) { return -sign * MoonDistanceKm(jdTt); }, best - 1.0, best + 1.0, 1e-4);
}

} // namespace

std::vector<SkyEvent> ApsidesBetween(double fromJdUt, double toJdUt) {
  std::vector<SkyEvent> apsides;
  const double fromTt = TerrestrialFromUniversal(fromJdUt);
  const double toTt = TerrestrialFromUniversal(toJdUt);
  apsides.reserve(static_cast<std::size_t>(2.0 * (toTt - fromTt) / kAnomalisticMonthDays) + 2);
  for (double k = std::floor((fromTt - kMeanPerigeeZero) / kAnomalisticMonthDays) - 1.0;; k += 0.5) {
    const double mean = kMeanPerigeeZero + kAnomalisticMonthDays * k;
    if (mean > toTt + 5.0) break;
    const bool perigee = std::floor(k) == k;
    const double jde = FindExtreme(mean, perigee ? -1.0 : 1.0);
    const double jdUt = UniversalFromTerrestrial(jde);
    if (jdUt < fromJdUt || jdUt >= toJdUt) continue;
    SkyEvent apsis;
    apsis.kind = perigee ? SkyEventKind::Perigee : SkyEventKind::Apogee;
    apsis.jdUt = jdUt;
    apsis.apsis = ApsisDetails{MoonDistanceKm(jde), false};
    apsides.push_back(apsis);
  }
  return apsides;
}

} // namespace sky
