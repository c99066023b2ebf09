// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window's fixed layout numbers, given at 96 pixels per inch and
// scaled once at start-up to the screen's resolution, and the window height
// that follows from the phase list, status bar and long-form options.

#include <array>

namespace ui_helpers {

// Left, top, right, bottom in client pixels.
struct TextRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const TextRect&, const TextRect&) = default;
};

// Where DayText[0..19] are painted (index = DayText slot).
using TextRectTable = std::array<TextRect, 20>;

inline constexpr TextRectTable kTextRects96 = {{
    {128, 24, 193, 40},  {128, 40, 193, 56},  {200, 40, 241, 56},  {128, 64, 193, 80},
    {200, 64, 241, 80},  {128, 80, 193, 96},  {128, 104, 193, 120}, {200, 104, 241, 120},
    {128, 120, 193, 136}, {200, 120, 241, 136}, {128, 136, 193, 152}, {200, 136, 241, 152},
    {64, 104, 129, 120}, {64, 120, 129, 136}, {64, 136, 129, 152}, {72, 24, 129, 40},
    {72, 40, 129, 56},   {72, 64, 129, 80},   {72, 80, 129, 96},   {0, 0, 257, 18},
}};

// Uses of the LayoutMetrics entries (pixels).
enum LayoutMetric {
  kBaseClientHeight = 0,      // without phase list and status bar
  kPhaseListHeight = 1,       // added by the phase list
  kStatusBarHeight = 2,       // added by the status bar
  kLongFormHeight = 3,        // added by the two long-form phase rows
  kStatusLabelBase = 4,       // status label top without phase list
  kPhaseClickHeight = 5,      // phase-click area height, short form
  kBigMoonLeft = 6,
  kBigMoonTop = 7,
  kBigMoonSize = 8,
  kLittleMoonTopWithTransit = 9,
  kLittleMoonTopWithoutTransit = 10,
  kLittleMoonLeft = 11,
  kLittleMoonSize = 12,
  kPhaseRowsTop = 13,
  kPhaseRowHeight = 14,
  kPhaseNameLeft = 15,
  kPhaseNameRight = 16,
  kPhaseColonX = 17,
  kPhaseDateLeft = 18,
  kPhaseDateRight = 19,
  kPhaseTimeLeft = 20,
  kPhaseTimeRight = 21,
};

using LayoutMetricTable = std::array<int, 22>;

inline constexpr LayoutMetricTable kLayoutMetrics96 = {315, 67, 25, 32,  295, 64,  12,  38,  52,  112, 104,
                                                       16,  32, 302, 16, 20,  96, 100, 104, 172, 172, 244};

// A layout number for a screen of `dpi` pixels per inch: times dpi / 96 (a
// single-precision factor), rounded to the nearest integer, ties to even.
int ScaleToDpi(int pixels, int dpi);
TextRectTable ScaledTextRects(int dpi);
LayoutMetricTable ScaledLayoutMetrics(int dpi);

// What UpdateLayout sets on the window (pixels).
struct WindowLayout {
  int clientHeight = 0;
  bool statusBarVisible = false;
  int statusLabelTop = 0;
  int phaseClickHeight = 0; // 0 while the phase list is hidden
  friend bool operator==(const WindowLayout&, const WindowLayout&) = default;
};

// Geometry for the phase list (phaseShown), status bar (status) and long form
// options: at 96 dpi heights 315, 340, 382, 407, 414, 439 and status label tops
// 297, 364, 396.
WindowLayout ComputeWindowLayout(bool phaseShown, bool status, bool formLength,
                                 const LayoutMetricTable& metrics = kLayoutMetrics96);

} // namespace ui_helpers
