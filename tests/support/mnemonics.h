// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The keys Alt reaches in a window: the mnemonics of its shown menus and of
// its shown buttons. Two alike make Alt+letter do nothing.

#include <QAbstractButton>
#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenuBar>
#include <QStringList>

inline QStringList MnemonicsInSight(const QMainWindow& window) {
  QStringList texts;
  for (const QAction* menu : window.menuBar()->actions()) {
    if (menu->isVisible()) texts << menu->text();
  }
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (button->isVisible()) texts << button->text();
  }
  QStringList letters;
  for (const QString& text : texts) {
    const QKeySequence mnemonic = QKeySequence::mnemonic(text);
    if (!mnemonic.isEmpty()) letters << mnemonic.toString();
  }
  return letters;
}

// The letters that occur more than once.
inline QStringList RepeatedMnemonics(const QMainWindow& window) {
  const QStringList letters = MnemonicsInSight(window);
  QStringList repeated;
  for (const QString& letter : letters) {
    if (letters.count(letter) > 1 && !repeated.contains(letter)) repeated << letter;
  }
  return repeated;
}
