// SPDX-License-Identifier: GPL-3.0-or-later
#include "moon_phase.h"

#include "date_time.h"
#include "numeric.h"

#include <array>
#include <cmath>

namespace astro {
namespace {

// Rows 2 to 14 of the planetary arguments: constant (degrees), change per
// lunation (degrees) and amplitude (0.000001 day), kept in single precision.
struct PlanetaryTerm {
  float constant;
  float perLunation;
  float amplitude;
};

constexpr std::array<PlanetaryTerm, 13> kPlanetaryTerms = {{
    {251.88f, 0.016321f, 165.0f},
    {251.83f, 26.651886f, 164.0f},
    {349.42f, 36.412478f, 126.0f},
    {84.66f, 18.206239f, 110.0f},
    {141.74f, 53.303771f, 62.0f},
    {207.14f, 2.453732f, 60.0f},
    {154.84f, 7.306860f, 56.0f},
    {34.52f, 27.261239f, 47.0f},
    {207.19f, 0.121824f, 42.0f},
    {291.34f, 1.844379f, 40.0f},
    {161.72f, 24.198154f, 37.0f},
    {239.56f, 25.513099f, 35.0f},
    {331.55f, 3.592518f, 23.0f},
}};

enum class PhaseKind { NewMoon, FirstQuarter, FullMoon, LastQuarter };

// Multiples of M, M', F and Omega in one periodic term's argument, and its
// coefficients (0.00001 day) for new moon, full moon and the quarters.
struct PeriodicTerm {
  int m, mp, f, omega;
  int newMoon, fullMoon, quarter;
};

// Terms multiplied by E squared, by E, and by neither.
constexpr std::array<PeriodicTerm, 2> kTermsE2 = {{
    {2, 0, 0, 0, 208, 209, 204},
    {2, 1, 0, 0, 0, 0, -28},
}};

constexpr std::array<PeriodicTerm, 7> kTermsE1 = {{
    {1, 0, 0, 0, 17241, 17302, 17172},
    {-1, 1, 0, 0, 739, 734, 454},
    {1, 1, 0, 0, -514, -515, -1183},
    {1, 2, 0, 0, 56, 56, 27},
    {1, 0, 2, 0, 42, 42, 32},
    {1, 0, -2, 0, 38, 38, 32},
    {-1, 2, 0, 0, -24, -24, -34},
}};

constexpr std::array<PeriodicTerm, 18> kTermsE0 = {{
    {0, 1, 0, 0, -40720, -40614, -62801},
    {0, 2, 0, 0, 1608, 1614, 862},
    {0, 0, 2, 0, 1039, 1043, 804},
    {0, 1, -2, 0, -111, -111, -180},
    {0, 1, 2, 0, -57, -57, -70},
    {0, 3, 0, 0, -42, -42, -40},
    {0, 0, 0, 1, -17, -17, -17},
    {2, 1, 0, 0, -7, -7, 0},
    {0, 2, -2, 0, 4, 4, 2},
    {3, 0, 0, 0, 4, 4, 3},
    {1, 1, -2, 0, 3, 3, 3},
    {0, 2, 2, 0, 3, 3, 4},
    {1, 1, 2, 0, -3, -3, -4},
    {-1, 1, 2, 0, 3, 3, 2},
    {-1, 1, -2, 0, -2, -2, -5},
    {1, 3, 0, 0, -2, -2, -2},
    {0, 4, 0, 0, 2, 2, 0},
    {-2, 1, 0, 0, 0, 0, 4},
}};

struct Arguments {
  double m, mp, f, omega; // radians
};

template <std::size_t N>
double SumTerms(const std::array<PeriodicTerm, N>& terms, const Arguments& a, PhaseKind kind) {
  double sum = 0.0;
  for (const auto& term : terms) {
    const int coefficient = kind == PhaseKind::NewMoon    ? term.newMoon
                            : kind == PhaseKind::FullMoon ? term.fullMoon
                                                          : term.quarter;
    if (coefficient == 0) continue;
    sum += coefficient * std::sin(term.m * a.m + term.mp * a.mp + term.f * a.f + term.omega * a.omega);
  }
  return sum;
}

PhaseKind KindOfLunation(float k) {
  const double fraction = static_cast<double>(k) - std::floor(static_cast<double>(k));
  switch (static_cast<int>(std::nearbyint(100.0 * fraction))) { // ties to even
    case 25: return PhaseKind::FirstQuarter;
    case 50: return PhaseKind::FullMoon;
    case 75: return PhaseKind::LastQuarter;
    default: return PhaseKind::NewMoon;
  }
}

// The names stay English here (the calendar file makes its event kinds of
// them); QT_TRANSLATE_NOOP only shows them to Qt's translation tools, and the
// phase list translates them for the windows.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif
const char* NameOf(PhaseKind kind) {
  switch (kind) {
    case PhaseKind::FirstQuarter: return QT_TRANSLATE_NOOP("astro", "First Quarter");
    case PhaseKind::FullMoon: return QT_TRANSLATE_NOOP("astro", "Full Moon");
    case PhaseKind::LastQuarter: return QT_TRANSLATE_NOOP("astro", "Last Quarter");
    case PhaseKind::NewMoon: break;
  }
  return QT_TRANSLATE_NOOP("astro", "New Moon");
}

} // namespace

float QuarterLunationAtOrBelow(double centuriesT0) {
  const float k = static_cast<float>(1236.85 * centuriesT0 - 0.152);
  return static_cast<float>(std::floor(4.0 * static_cast<double>(k)) / 4.0);
}

Phase MoonPhase(const AstroState& state, double deltaT, float k) {
  const double kd = k;
  const double t = kd * 0.0008085054776246109; // centuries: k / 1236.85

  // Mean phase, dynamical time, as a date-time.
  double jde = J2000Epoch + 5.09765 + 29.530588853 * kd + PolyAngle(t, 0.00000000073, -0.00000015, 0.0001337, 0.0, 0.0);

  const Arguments a{
      Radians(PolyAngle(t, 0.0, -0.00000011, -0.0000218, 0.0, 2.5534) + 29.10535669 * kd),
      Radians(PolyAngle(t, -0.000000058, 0.00001239, 0.0107438, 0.0, 201.5643) + 385.81693528 * kd),
      Radians(PolyAngle(t, 0.000000011, -0.00000227, -0.0016341, 0.0, 160.7108) + 390.67050274 * kd),
      Radians(PolyAngle(t, 0.0, 0.00000215, 0.0020691, 0.0, 124.7746) - 1.5637558 * kd),
  };
  const double e = PolyAngle(t, 0.0, 0.0, -0.0000074, -0.002516, 1.0);

  // Planetary arguments, 0.000001 day.
  double planetary = 325.0 * std::sin(Radians(299.77 + 0.107408 * kd - 0.009173 * t * t));
  for (const auto& row : kPlanetaryTerms)
    planetary += row.amplitude * std::sin(Radians(row.constant + row.perLunation * kd));

  const PhaseKind kind = KindOfLunation(k);
  if (kind == PhaseKind::FirstQuarter || kind == PhaseKind::LastQuarter) {
    const double w = 0.00306 - 0.00038 * e * std::cos(a.m) + 0.00026 * std::cos(a.mp) -
                     0.00002 * std::cos(a.mp - a.m) + 0.00002 * std::cos(a.mp + a.m) +
                     0.00002 * std::cos(2.0 * a.f);
    jde += kind == PhaseKind::FirstQuarter ? w : -w;
  }

  // Periodic terms, 0.00001 day.
  const double periodic =
      e * (e * SumTerms(kTermsE2, a, kind) + SumTerms(kTermsE1, a, kind)) + SumTerms(kTermsE0, a, kind);

  const double time = jde + periodic * 0.00001 + planetary * 0.000001 - state.ZoneHours / 24.0 - deltaT;
  return {NameOf(kind), EncodeDayCount(time)};
}

} // namespace astro
