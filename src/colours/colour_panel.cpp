// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour_panel.h"

#include "colour_well_accessible.h"
#include "palette_grid.h"
#include "settings/custom_colours.h"
#include "ui_helpers/colour_conversion.h"
#include "ui_helpers/focused_cell.h"
#include "ui_helpers/panel_keys.h"
#include "ui_helpers/text_fit.h"

#include <QColorDialog>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace colours {
namespace {

constexpr int kCellSize = 15; // pixels at 96 dpi
constexpr int kLineWidth = 1;

// Loads the dialog's sixteen custom colours from the stored list. A list the
// dialog cannot take is emptied, so that it starts from its own blank colours.
void LoadCustomColours(QStringList& entries) {
  std::optional<settings::CustomColourSet> colours = settings::CustomColoursOf(entries);
  if (!colours) {
    entries.clear();
    colours = settings::CustomColoursOf(entries);
  }
  for (int i = 0; i < settings::kCustomColourCount; ++i) QColorDialog::setCustomColor(i, ui_helpers::ToQColor((*colours)[i]));
}

QStringList StoredCustomColours() {
  settings::CustomColourSet colours;
  for (int i = 0; i < settings::kCustomColourCount; ++i) colours[i] = ui_helpers::ColourValueOf(QColorDialog::customColor(i));
  return settings::CustomColourEntries(colours);
}

} // namespace

ColourPanel::ColourPanel(QWidget* parent, settings::Settings& colours, const std::function<int(int)>& S)
    : QFrame(parent), colours_(colours) {
  setObjectName("pnlColor");
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setGeometry(S(8), S(160), S(243), S(134));
  // The panel keeps its own captions whatever the text colour.
  QPalette yellow = palette();
  yellow.setColor(QPalette::WindowText, Qt::yellow);
  setPalette(yellow);

  InstallColourWellReading(); // before the More dialog's wells are first read
  CG = new PaletteGrid(this, S(kCellSize), S(kCellSize), S(kLineWidth));
  CG->move(S(8), S(15));
  connect(CG, &PaletteGrid::cellChosen, this, &ColourPanel::CGClick);
  new ui_helpers::FocusedCellTeller(CG);

  pnlColorOptions = new QFrame(this);
  pnlColorOptions->setObjectName("pnlColorOptions");
  pnlColorOptions->setGeometry(S(147), S(15), S(88), S(54));
  pnlColorOptions->setAutoFillBackground(true);
  // The box only groups the radio buttons, which take the focus: Tab reaches
  // the chosen one, the arrows move between them.
  pnlColorOptions->setAccessibleName(tr("Element to color"));
  QPalette whiteOnBlack = pnlColorOptions->palette();
  whiteOnBlack.setColor(QPalette::Window, Qt::black);
  whiteOnBlack.setColor(QPalette::WindowText, Qt::white);
  whiteOnBlack.setColor(QPalette::ButtonText, Qt::white);
  pnlColorOptions->setPalette(whiteOnBlack);
  const QString captions[] = {tr("&Background"), tr("Te&xt"), tr("Moo&n")};
  for (int i = 0; i < 3; ++i) {
    auto* option = new QRadioButton(captions[i], pnlColorOptions);
    option->setObjectName(QStringLiteral("optColor_%1").arg(i + 1));
    option->move(S(4), S(3 + 16 * i));
    const auto element = static_cast<ColourElement>(i + 1);
    connect(option, &QRadioButton::clicked, this, [this, element] { ChooseElement(element); });
    optColor[i] = option;
  }
  optColor[0]->setChecked(true);
  // The box grows towards the panel's edge when a caption needs it.
  int widest = 0;
  for (QRadioButton* option : optColor) {
    option->resize(option->sizeHint());
    widest = std::max(widest, option->x() + option->width());
  }
  pnlColorOptions->resize(std::clamp(widest, pnlColorOptions->width(), contentsRect().right() - pnlColorOptions->x()),
                          pnlColorOptions->height());

  const auto button = [&](const char* name, const QString& caption, int top) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setGeometry(S(170), S(top), S(41), S(18));
    return b;
  };
  cmdColorMore = button("cmdColorMore", tr("&More"), 76);
  cmdColorOK = button("cmdColorOK", tr("O&K"), 98); // Alt+O stays the Options menu's
  cmdColorOK->setDefault(true);
  // Both buttons as wide as the longer word needs, growing towards the
  // palette where the panel's edge is near.
  ui_helpers::WidenButtonColumn({cmdColorOK, cmdColorMore}, contentsRect().right() - S(4));
  connect(cmdColorMore, &QPushButton::clicked, this, &ColourPanel::cmdColorMoreClick);
  connect(cmdColorOK, &QPushButton::clicked, this, &ColourPanel::cmdColorOKClick);
  // Escape is OK as well: the colours are already applied, there is nothing to cancel.
  ui_helpers::BindPanelKeys(this, [this] { cmdColorOKClick(); }, [this] { cmdColorOKClick(); });
  hide();
}

void ColourPanel::ChooseElement(ColourElement element) {
  chosen_ = element;
  optColor[static_cast<int>(element) - 1]->setChecked(true);
  SelectChosenColour(); // the focus stays on the radio buttons the arrows walk
}

bool ColourPanel::SelectChosenColour() {
  const std::optional<settings::PaletteCell> cell = settings::FindInPalette(ChosenColour());
  if (cell) CG->SelectCell(*cell);
  return cell.has_value();
}

settings::ColourValue& ColourPanel::ChosenColour() {
  switch (chosen_) {
    case ColourElement::Text: return colours_.Text;
    case ColourElement::Moon: return colours_.Moon;
    case ColourElement::Background: break;
  }
  return colours_.Background;
}

void ColourPanel::ShowCurrentColourInPalette() {
  if (SelectChosenColour()) {
    CG->setFocus(Qt::OtherFocusReason);
  } else {
    optColor[static_cast<int>(chosen_) - 1]->setFocus(Qt::OtherFocusReason);
  }
}

void ColourPanel::UpdateGridColour() { CG->SetLineColour(ui_helpers::ToQColor(colours_.Background)); }

void ColourPanel::SetChosenColour(settings::ColourValue colour) {
  ChosenColour() = colour;
  emit coloursChanged();
}

void ColourPanel::CGClick(settings::PaletteCell cell) { SetChosenColour(settings::kColourPalette[cell.row][cell.column]); }

void ColourPanel::cmdColorMoreClick() {
  LoadCustomColours(colours_.CustomColors);
  QColorDialog dialog(ui_helpers::ToQColor(ChosenColour()), this);
  dialog.setObjectName("ColorDialog1");
  const bool confirmed = dialog.exec() == QDialog::Accepted;
  colours_.CustomColors = StoredCustomColours();
  if (confirmed) SetChosenColour(ui_helpers::ColourValueOf(dialog.selectedColor()));
}

void ColourPanel::cmdColorOKClick() {
  if (!isVisible()) return;
  UpdateGridColour();
  emit closed();
}

} // namespace colours
