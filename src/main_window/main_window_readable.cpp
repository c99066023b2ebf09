// SPDX-License-Identifier: GPL-3.0-or-later
// The day view's rows as a screen reader reads them: the sentences of
// ReadableDay, where each row is painted, and the commands of its clicks.

#include "main_window.h"

#include "click_hints.h"
#include "day/readable_day.h"
#include "day_canvas.h"
#include "moon_box.h"

namespace main_window {
namespace {

QRect ToQRect(const ui_helpers::TextRect& r) { return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)); }

} // namespace

std::vector<CanvasRow> TfrmVesperon::CanvasRows() {
  const auto act = [this](const char* name, void (TfrmVesperon::*command)()) {
    return CanvasAction{ClickHint(name), [this, command] { (this->*command)(); }};
  };
  const CanvasAction azimuth = act(kAzimuthHint, &TfrmVesperon::FlipAzimuth);
  const CanvasAction twilight = act(kTwilightTypeHint, &TfrmVesperon::CycleTwilight);

  std::vector<CanvasRow> rows;
  for (day::ReadableRow& readable : day::ReadableDay(view_, settings_.Phase, settings_.FormLength)) {
    CanvasRow row{readable.slot, std::move(readable.text), {}, {}};
    const auto slot = static_cast<day::ReadableSlot>(readable.slot);
    const int sunRow = readable.slot - static_cast<int>(day::ReadableSlot::TwilightBegins);
    const int moonRow = readable.slot - static_cast<int>(day::ReadableSlot::FirstMoonRow);
    const int phaseRow = readable.slot - static_cast<int>(day::ReadableSlot::FirstPhaseRow);
    if (slot == day::ReadableSlot::DateLine) {
      row.rect = ToQRect(rects_[day::kDateLine]);
      row.actions = {act(kReturnToTodayHint, &TfrmVesperon::ReturnToToday)};
    } else if (sunRow >= 0 && sunRow < 4) {
      // Time slots 0, 1, 3, 5; the azimuth beside sunrise and sunset.
      static constexpr int kTimeSlot[4] = {day::kTwilightBegins, day::kSunrise, day::kSunset, day::kTwilightEnds};
      row.rect = ToQRect(rects_[day::kFirstSunLabel + sunRow]).united(ToQRect(rects_[kTimeSlot[sunRow]]));
      if (sunRow == 1 || sunRow == 2) row.rect = row.rect.united(ToQRect(rects_[kTimeSlot[sunRow] + 1]));
      row.actions = {sunRow == 1 || sunRow == 2 ? azimuth : twilight};
    } else if (moonRow >= 0 && moonRow < 3) {
      row.rect = ToQRect(rects_[day::kFirstMoonLabel + moonRow]).united(ToQRect(rects_[day::kFirstMoonTime + 2 * moonRow + 1]));
      row.actions = {act(kTransitHint, &TfrmVesperon::FlipTransit), azimuth};
    } else {
      const int top = metrics_[ui_helpers::kPhaseRowsTop] + phaseRow * metrics_[ui_helpers::kPhaseRowHeight];
      row.rect = QRect(QPoint(metrics_[ui_helpers::kPhaseNameLeft], top),
                       QPoint(metrics_[ui_helpers::kPhaseTimeRight] - 1, top + metrics_[ui_helpers::kPhaseRowHeight] - 1));
      row.actions = {act(kPhaseRowsHint, &TfrmVesperon::FlipFormLength)};
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

void TfrmVesperon::DescribeMoon() {
  const QString phase = day::MoonDiscDescription(view_.IllumPercent);
  moonBox_->setAccessibleName(phase);
  moonBox_->setAccessibleDescription(phase);
}

} // namespace main_window
