// SPDX-License-Identifier: GPL-3.0-or-later
#include "status_strip.h"

#include "ui_helpers/button_palette.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>

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
  const char* objectName;
};

constexpr BoxSpec kBoxes[4] = {
    {8, 105, QT_TRANSLATE_NOOP("main_window", "Select Location"), QT_TRANSLATE_NOOP("main_window", "Location"),
     "pnlCity"},
    // room for a zone's name: "AEDT", "+0545"
    {120, 31, QT_TRANSLATE_NOOP("main_window", "Toggle ST/DT/UT"), QT_TRANSLATE_NOOP("main_window", "Time"), "pnlTime"},
    {155, 33, QT_TRANSLATE_NOOP("main_window", "Toggle Twilight Type"), QT_TRANSLATE_NOOP("main_window", "Twilight"),
     "pnlTwilight"},
    {192, 57, QT_TRANSLATE_NOOP("main_window", "Toggle 12/24 Hour Format"), QT_TRANSLATE_NOOP("main_window", "Clock"),
     "pnlClock"},
};

QString Shown(const char* text) { return QCoreApplication::translate("main_window", text); }

// A box's name, read out before its text.
QString Spoken(int box, const QString& text) {
  //: A status bar box read out by a screen reader: the box's name, then its text ("Location: Paris").
  return QCoreApplication::translate("main_window", "%1: %2").arg(Shown(kBoxes[box].name), text);
}

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
    box->setToolTip(Shown(kBoxes[i].hint));
    box->setAccessibleName(Shown(kBoxes[i].name));
    box->setObjectName(QLatin1String(kBoxes[i].objectName));
    boxes_[i] = box;
  }
  FitChoiceBoxes();
}

// The time type's and the twilight's boxes take the width of their widest
// text in the font they show ("Naut." is wider than 33 pixels in some faces),
// keeping their gaps and the clock's place; the location box, whose text is
// cut with "…" anyway, gives up the room.
void StatusStrip::FitChoiceBoxes() {
  const auto widest = [](const QLabel* box, const std::function<QString(int)>& text) {
    int width = 0;
    for (int choice = 0; choice < 3; ++choice) width = std::max(width, box->fontMetrics().horizontalAdvance(text(choice)));
    return width + box->indent() + 2 * box->margin() + 2 * box->frameWidth();
  };
  const int gap = boxes_[3]->x() - boxes_[2]->geometry().right() - 1;
  const int widths[] = {widest(boxes_[1], day::TimeTypeText), widest(boxes_[2], day::TwilightText)};
  int right = boxes_[3]->x() - gap; // one past the box's right edge
  for (int i = 2; i >= 1; --i) {
    QLabel* box = boxes_[i];
    const int width = std::max(box->width(), widths[i - 1]);
    box->setGeometry(right - width, box->y(), width, box->height());
    right = box->x() - gap;
  }
  QLabel* location = boxes_[0];
  location->resize(right - location->x(), location->height());
}

void StatusStrip::setTexts(const day::StatusPanelTexts& texts, const QString& timeTypeName) {
  const QString* values[] = {&texts.location, &texts.timeType, &texts.twilight};
  const QString* spoken[] = {&texts.location, &timeTypeName, &texts.twilight};
  for (int i = 0; i < 3; ++i) {
    ShowText(i, *values[i]);
    const QString name = Spoken(i, *spoken[i]);
    if (boxes_[i]->accessibleName() != name) boxes_[i]->setAccessibleName(name);
  }
  // The time box tells when its clock is not the one the place keeps.
  QLabel* time = boxes_[1];
  const QString hint = texts.timeTypeNote.isEmpty() ? Shown(kBoxes[1].hint) : texts.timeTypeNote;
  if (time->toolTip() != hint) time->setToolTip(hint);
  if (time->accessibleDescription() != texts.timeTypeNote) time->setAccessibleDescription(texts.timeTypeNote);
  setClockText(texts.clock, texts.spokenClock);
}

void StatusStrip::setClockText(const QString& text, const QString& spoken) {
  ShowText(3, text);
  // A new name is announced: once a minute, not with every second.
  const QString name = Spoken(3, spoken);
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
