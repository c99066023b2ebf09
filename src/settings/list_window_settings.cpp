// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_window_settings.h"

#include "stored_values.h"

namespace settings {
namespace {

constexpr int kLastCopyMode = 2; // comma delimited
constexpr int kSmallestFontPoints = 8;
constexpr int kLargestFontPoints = 14;

} // namespace

ListWindowSettings LoadListWindowSettings(const QSettings& store) {
  const ListWindowSettings d;
  ListWindowSettings s;
  s.ListTop = ReadStoredInteger(store, QStringLiteral("Window/ListTop"), d.ListTop);
  s.ListLeft = ReadStoredInteger(store, QStringLiteral("Window/ListLeft"), d.ListLeft);
  s.ListHeight = ReadStoredInteger(store, QStringLiteral("Window/ListHeight"), d.ListHeight);
  s.Group5 = ReadStoredFlag(store, QStringLiteral("Flags/Group5"), d.Group5);
  s.Group7 = ReadStoredFlag(store, QStringLiteral("Flags/Group7"), d.Group7) && !s.Group5;
  s.GridLines = ReadStoredFlag(store, QStringLiteral("Flags/GridLines"), d.GridLines);
  s.CMode = ReadStoredInteger(store, QStringLiteral("Flags/CMode"), d.CMode, 0, kLastCopyMode);

  const QString name = ReadStoredText(store, QStringLiteral("Fonts/SName")).value_or(d.SName);
  s.SName = name.trimmed().isEmpty() ? d.SName : name;
  s.SSize = ReadStoredInteger(store, QStringLiteral("Fonts/SSize"), d.SSize, kSmallestFontPoints, kLargestFontPoints);
  s.SBold = ReadStoredFlag(store, QStringLiteral("Fonts/SBold"), d.SBold);
  s.SItalic = ReadStoredFlag(store, QStringLiteral("Fonts/SItalic"), d.SItalic);
  return s;
}

void SaveListWindowSettings(QSettings& store, const ListWindowSettings& s) {
  WriteStoredInteger(store, QStringLiteral("Window/ListTop"), s.ListTop);
  WriteStoredInteger(store, QStringLiteral("Window/ListLeft"), s.ListLeft);
  WriteStoredInteger(store, QStringLiteral("Window/ListHeight"), s.ListHeight);
  WriteStoredFlag(store, QStringLiteral("Flags/Group5"), s.Group5);
  WriteStoredFlag(store, QStringLiteral("Flags/Group7"), s.Group7);
  WriteStoredFlag(store, QStringLiteral("Flags/GridLines"), s.GridLines);
  WriteStoredInteger(store, QStringLiteral("Flags/CMode"), s.CMode);
  WriteStoredText(store, QStringLiteral("Fonts/SName"), s.SName);
  WriteStoredInteger(store, QStringLiteral("Fonts/SSize"), s.SSize);
  WriteStoredFlag(store, QStringLiteral("Fonts/SBold"), s.SBold);
  WriteStoredFlag(store, QStringLiteral("Fonts/SItalic"), s.SItalic);
}

} // namespace settings
