// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky_events_model.h"

#include <QCoreApplication>

namespace sky_events_window {

EventCells EventColumnNames() {
  return {QCoreApplication::translate("sky_events_window", "Date"),
          QCoreApplication::translate("sky_events_window", "Time"),
          QCoreApplication::translate("sky_events_window", "Event"),
          QCoreApplication::translate("sky_events_window", "Details")};
}

EventCells CellsOf(const sky_events::SkyEvent& event, const sky_events::EventClock& clock) {
  return {sky_events::LocalOf(event.jdUt, clock.shown).date().toString(Qt::ISODate),
          sky_events::MomentText(event.jdUt, event.jdUt, clock), sky_events::EventTitle(event),
          sky_events::EventDetails(event, clock)};
}

void SkyEventsModel::setEvents(std::vector<sky_events::SkyEvent> events, const sky_events::EventClock& clock) {
  beginResetModel();
  events_ = std::move(events);
  rows_.clear();
  rows_.reserve(events_.size());
  for (const sky_events::SkyEvent& e : events_) rows_.push_back(CellsOf(e, clock));
  endResetModel();
}

int SkyEventsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int SkyEventsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kEventColumnCount; }

QVariant SkyEventsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const QString& cell = rows_[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())];
  switch (role) {
  case Qt::DisplayRole: return cell;
  // A screen reader hears the column's name before the cell.
  case Qt::AccessibleTextRole:
    return QCoreApplication::translate("sky_events_window", "%1: %2")
        .arg(EventColumnNames()[static_cast<std::size_t>(index.column())], cell);
  // Each cell read alone tells the whole event: date, time, event, details.
  case Qt::AccessibleDescriptionRole: {
    QStringList parts;
    for (const QString& part : rows_[static_cast<std::size_t>(index.row())])
      if (!part.isEmpty()) parts << part;
    return parts.join(QStringLiteral(", "));
  }
  case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::AlignLeft | Qt::AlignTop);
  default: return {};
  }
}

QVariant SkyEventsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kEventColumnCount)
    return EventColumnNames()[static_cast<std::size_t>(section)];
  // A row is headed by its date and event, read out by assistive technology
  // (the view hides this header).
  if (orientation == Qt::Vertical && role == Qt::DisplayRole && section >= 0 && section < rowCount()) {
    const EventCells& row = rows_[static_cast<std::size_t>(section)];
    return row[0] + QLatin1Char(' ') + row[2];
  }
  return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace sky_events_window
