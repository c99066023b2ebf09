// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The palette grid CG: the 48 colours of the palette in cells of a fixed size,
// separated by lines in a colour of their own. A click on a cell, or a move of
// the selection with the arrow keys, chooses that cell's colour; moving the
// selection from the program chooses nothing.

#include "settings/colour_palette.h"

#include <QTableView>

namespace colours {

// A colour as a screen reader says it: the nearest of the named web colours,
// then its red, green and blue parts (0..255).
QString SpokenColourName(const QColor& colour);

class PaletteGrid : public QTableView {
  Q_OBJECT
public:
  // Cell and line sizes in screen pixels.
  PaletteGrid(QWidget* parent, int cellWidth, int cellHeight, int lineWidth);

  // Selects a cell without choosing its colour.
  void SelectCell(settings::PaletteCell cell);
  settings::PaletteCell SelectedCell() const;
  void SetLineColour(const QColor& colour);
  QColor LineColour() const;

signals:
  // The user chose a cell (CGClick).
  void cellChosen(settings::PaletteCell cell);

protected:
  void keyPressEvent(QKeyEvent* event) override;

private:
  bool keyboardMove_ = false;
};

} // namespace colours
