// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The year's sky events on paper: the title and place lines, then the grid's
// columns with the details wrapped in the room that is left. Draws on an open
// painter over a printer; lengths are the printer's device pixels.

#include "sky_events_model.h"

#include <QStringList>
#include <vector>

class QPainter;
class QPrinter;

namespace sky_events_window {

// heading: the lines above the table (the title first, in bold). A row that
// would cross the page's bottom starts a new page, under the heading and the
// column names again. Nothing is drawn within 10 mm of the paper's edges.
void PrintEventRows(QPainter& painter, QPrinter& printer, const QStringList& heading,
                    const std::vector<EventCells>& rows);

} // namespace sky_events_window
