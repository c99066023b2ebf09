// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_window_settings.h"

#include "stored_values.h"

namespace settings {
namespace {

constexpr int kLastCopyMode = 2; // comma delimited
constexpr int kSmallestFontPoints = 8;
constexpr int kLargestFontPoints = 14;

StoredTexts Texts(const ListWindowSettings& s) {
  return {
      {QStringLiteral("Window/ListTop"), StoredIntegerText(s.ListTop)},
      {QStringLiteral("Window/ListLeft"), StoredIntegerText(s.ListLeft)},
      {QStringLiteral("Window/ListHeight"), StoredIntegerText(s.ListHeight)},
      {QStringLiteral("Flags/Group5"), StoredFlagText(s.Group5)},
      {QStringLiteral("Flags/Group7"), StoredFlagText(s.Group7)},
      {QStringLiteral("Flags/GridLines"), StoredFlagText(s.GridLines)},
      {QStringLiteral("Flags/CMode"), StoredIntegerText(s.CMode)},
      {QStringLiteral("Fonts/SName"), s.SName},
      {QStringLiteral("Fonts/SSize"), StoredIntegerText(s.SSize)},
      {QStringLiteral("Fonts/SBold"), StoredFlagText(s.SBold)},
      {QStringLiteral("Fonts/SItalic"), StoredFlagText(s.SItalic)},
      {QStringLiteral("Window/ListSaveDir"), s.ListSaveDir},
  };
}

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
  s.ListSaveDir = ReadStoredText(store, QStringLiteral("Window/ListSaveDir")).value_or(d.ListSaveDir);
  return s;
}

void SaveListWindowSettings(QSettings& store, const ListWindowSettings& s) { WriteChangedTexts(store, {}, Texts(s)); }

void SaveChangedListWindowSettings(QSettings& store, const ListWindowSettings& loaded,
                                   const ListWindowSettings& current) {
  WriteChangedTexts(store, Texts(loaded), Texts(current));
}

} // namespace settings
