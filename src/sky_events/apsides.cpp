// SPDX-License-Identifier: GPL-3.0-or-later
#include "apsides.h"

#include "body_positions.h"
#include "event_time.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace sky_events {
namespace {

// The mean perigee of number k (k = 0 the perigee of 1999-12-22; k + 0.5 the
// apogee after it), JDE, Meeus chapter 50. The true apsis wanders up to about
// two and a half days from it, the perigee most.
constexpr double kMeanPerigeeZero = 2451534.6698;
constexpr double kAnomalisticMonthDays = 27.55454989;

// The vertex of the parabola through (-h, before), (0, middle), (h, after).
double ParabolaVertex(double before, double middle, double after, double h) {
  const double curvature = before - 2.0 * middle + after;
  return curvature == 0.0 ? 0.0 : 0.5 * h * (before - after) / curvature;
}

// The extreme of the distance near a mean apsis: whole-day samples over
// +-3 days, the parabola through the best three, then parabolas through
// ever closer triples, each step shrinking the error a hundredfold.
double FindExtreme(double mean, double sign) {
  const auto value = [sign](double jdTt) { return -sign * MoonDistanceKm(jdTt); }; // least at the extreme
  std::array<double, 7> samples{};
  for (int day = -3; day <= 3; ++day) samples[day + 3] = value(mean + day);
  const int best = static_cast<int>(std::min_element(samples.begin() + 1, samples.end() - 1) - samples.begin());
  double t = mean + (best - 3) + ParabolaVertex(samples[best - 1], samples[best], samples[best + 1], 1.0);
  for (const double h : {0.05, 0.005}) t += ParabolaVertex(value(t - h), value(t), value(t + h), h);
  return t;
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

} // namespace sky_events
