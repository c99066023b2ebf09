// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro_state.h"

namespace astro {

// Derives every time quantity of state.CalcDate: CenturiesT0 (0h UT), CenturiesT
// (local midnight in UT), nutation, true obliquity, apparent sidereal time at
// 0h UT and Delta T. Must run after the inputs are set and before any position,
// search or phase routine.
void PrepareDay(AstroState& state);

// Delta T in days for the calendar year of `date` (a date-time), with t in
// Julian centuries from J2000.
double ComputeDeltaT(double date, double t);

// Low-precision nutation for state.CenturiesT: writes NutationLongitude and
// NutationObliquity, in degrees.
void ComputeNutation(AstroState& state);

// Mean obliquity of the ecliptic in degrees, t in Julian centuries from J2000.
double MeanObliquity(double t);

} // namespace astro
