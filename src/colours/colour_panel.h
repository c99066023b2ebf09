// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The colour panel pnlColor: the three colours the user chooses (Background,
// Text, Moon) from a palette of 48 or from the colour dialog. It takes the
// calendar's place in the main window; OK, Enter and Escape close it. Every
// choice takes effect at once: the panel writes the colour into the settings
// and tells the window, which applies it.

#include "settings/colour_palette.h"
#include "settings/settings_values.h"

#include <QFrame>
#include <array>
#include <functional>

class QPushButton;
class QRadioButton;

namespace colours {

class PaletteGrid;

// The element whose colour the panel changes; the values are the option
// buttons' tags.
enum class ColourElement { Background = 1, Text = 2, Moon = 3 };

class ColourPanel : public QFrame {
  Q_OBJECT
public:
  // The panel changes the colours and the custom colour list of `colours`.
  // scale turns 96-dpi pixels into screen pixels.
  ColourPanel(QWidget* parent, settings::Settings& colours, const std::function<int(int)>& scale);

  ColourElement ChosenElement() const { return chosen_; }
  // optColorClick: selects the element's colour in the palette; the focus
  // stays where it is.
  void ChooseElement(ColourElement element);
  // Selects the chosen element's colour in the palette and focuses the grid;
  // a colour not in the palette focuses the chosen element's radio button.
  void ShowCurrentColourInPalette();
  // The grid's lines take the Background colour: at start-up and on OK.
  void UpdateGridColour();
  void cmdColorMoreClick();
  void cmdColorOKClick();

  PaletteGrid* CG = nullptr;
  QFrame* pnlColorOptions = nullptr;
  std::array<QRadioButton*, 3> optColor{};
  QPushButton* cmdColorMore = nullptr;
  QPushButton* cmdColorOK = nullptr;

signals:
  // A colour changed: the window applies the colours and redraws the disc.
  void coloursChanged();
  // OK: the window shows the calendar again.
  void closed();

private:
  bool SelectChosenColour(); // false when the colour is not in the palette
  void CGClick(settings::PaletteCell cell);
  settings::ColourValue& ChosenColour();
  void SetChosenColour(settings::ColourValue colour);

  settings::Settings& colours_;
  ColourElement chosen_ = ColourElement::Background;
};

} // namespace colours
