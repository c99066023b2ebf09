// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The year's sky events as a Qt model: one row per event, its local date and
// time, its summary and its details, all in the core's words. The window's
// grid and its print read the same cells.

#include "astro/shown_clock.h"
#include "sky_events/sky_event.h"
#include "sky_events/sky_event_texts.h"

#include <QAbstractTableModel>
#include <QString>
#include <array>
#include <vector>

namespace sky_events_window {

inline constexpr int kEventColumnCount = 4;
using EventCells = std::array<QString, kEventColumnCount>;

// "Date", "Time", "Event", "Details", in the translation's language.
EventCells EventColumnNames();

// The cells of one event on a clock, its times written as the clock writes
// them: "2024-04-08", "1:40 PM", "Total solar eclipse", "total, magnitude ...".
EventCells CellsOf(const sky_events::SkyEvent& event, const sky_events::EventClock& clock);

class SkyEventsModel : public QAbstractTableModel {
public:
  using QAbstractTableModel::QAbstractTableModel;

  void setEvents(std::vector<sky_events::SkyEvent> events, const sky_events::EventClock& clock);
  const std::vector<sky_events::SkyEvent>& events() const { return events_; }
  const std::vector<EventCells>& rows() const { return rows_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
  std::vector<sky_events::SkyEvent> events_;
  std::vector<EventCells> rows_;
};

} // namespace sky_events_window
