// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How one event of the day reads in the day view: its time or "None", its
// azimuth, the Moon's illumination beside it.

#include "astro/astro_state.h"

#include <QString>

namespace day {

// The text of an event that does not happen.
QString NoneText();

// "None" for a missing-event marker, else TimeText of the time (fraction of
// the local day).
QString EventTimeText(const astro::AstroState& state, double time);

// DegreesText of the azimuth (degrees) for an event that happens, else empty.
QString EventAzimuthText(double time, double azimuth);

// An illuminated fraction (0..1) as a whole per cent: "0%" .. "100%".
QString IlluminationText(double fraction);

} // namespace day
