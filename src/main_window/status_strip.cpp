// SPDX-License-Identifier: GPL-3.0-or-later
#include "status_strip.h"

#include "ui_helpers/button_palette.h"

#include <QLabel>
#include <QMouseEvent>

namespace main_window {

StatusBox::StatusBox(QWidget* parent, std::function<void()> onClick) : QLabel(parent), onClick_(std::move(onClick)) {
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Sunken);
  setIndent(2);
}

void StatusBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) onClick_();
}

namespace {

struct BoxSpec {
  int left, width; // pixels at 96 dpi; every box is at top 2, 18 high
  const char* hint;
  const char* name; // read out before the box's text
};

constexpr BoxSpec kBoxes[4] = {
    {8, 105, "Select Location", "Location"},
    {120, 25, "Toggle ST/DT/UT", "Time"},
    {152, 33, "Toggle Twilight Type", "Twilight"},
    {192, 57, "Toggle 12/24 Hour Format", "Clock"},
};

} // namespace

StatusStrip::StatusStrip(QWidget* parent, const std::function<int(int)>& scale) : QFrame(parent) {
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  // The status bar keeps the system's button colours and an 8-point font.
  setPalette(ui_helpers::ButtonPalette());
  setAutoFillBackground(true);
  QFont small = font();
  small.setPointSize(8);
  setFont(small);

  const std::function<void()> clicks[4] = {
      [this] { emit locationClicked(); }, [this] { emit timeTypeClicked(); },
      [this] { emit twilightClicked(); }, [this] { emit clockClicked(); }};
  for (int i = 0; i < 4; ++i) {
    auto* box = new StatusBox(this, clicks[i]);
    box->setGeometry(scale(kBoxes[i].left), scale(2), scale(kBoxes[i].width), scale(18));
    box->setToolTip(QLatin1String(kBoxes[i].hint));
    box->setAccessibleName(QLatin1String(kBoxes[i].name));
    if (i == 0) box->setObjectName("pnlCity");
    boxes_[i] = box;
  }
}

void StatusStrip::setTexts(const day::StatusPanelTexts& texts, const QString& timeTypeName) {
  const QString* values[] = {&texts.location, &texts.timeType, &texts.twilight};
  const QString* spoken[] = {&texts.location, &timeTypeName, &texts.twilight};
  for (int i = 0; i < 3; ++i) {
    ShowText(i, *values[i]);
    boxes_[i]->setAccessibleName(QLatin1String(kBoxes[i].name) + QStringLiteral(": ") + *spoken[i]);
  }
  setClockText(texts.clock, texts.spokenClock);
}

void StatusStrip::setClockText(const QString& text, const QString& spoken) {
  ShowText(3, text);
  // A new name is announced: once a minute, not with every second.
  const QString name = QLatin1String(kBoxes[3].name) + QStringLiteral(": ") + spoken;
  if (boxes_[3]->accessibleName() != name) boxes_[3]->setAccessibleName(name);
}

QString StatusStrip::text(int box) const { return texts_[box]; }

void StatusStrip::ShowText(int box, const QString& text) {
  texts_[box] = text;
  // A text wider than its box ends in "…" rather than in half a letter.
  QLabel* label = boxes_[box];
  const int room = label->contentsRect().width() - label->indent() - 2 * label->margin();
  label->setText(label->fontMetrics().elidedText(text, Qt::ElideRight, room));
}

} // namespace main_window
