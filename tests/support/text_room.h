// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether a control's texts show whole: each text measured in the control's
// own font against the room its style gives the text, cut further by every
// parent up to the window, since a parent clips what lies beyond its edge.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QWidget>
#include <string>
#include <vector>

struct CutText {
  std::string where; // object name and text
  int textWidth;     // pixels the text needs
  int room;          // pixels it has
};

// The part of `rect` (in the widget's coordinates) that its parents leave
// visible.
inline QRect VisiblePart(const QWidget* widget, QRect rect) {
  QPoint offset(0, 0); // the widget's origin in its ancestor's coordinates
  for (const QWidget* w = widget; !w->isWindow(); w = w->parentWidget()) {
    offset += w->pos();
    rect &= QRect(-offset, w->parentWidget()->size());
  }
  return rect;
}

// The room the style gives the widget's text, and its texts.
inline std::vector<std::pair<QString, QRect>> TextsAndRooms(const QWidget* widget) {
  std::vector<std::pair<QString, QRect>> out;
  const QStyle* style = widget->style();
  if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QRadioButton*>(button)) element = QStyle::SE_RadioButtonContents;
    if (qobject_cast<const QCheckBox*>(button)) element = QStyle::SE_CheckBoxContents;
    QRect room = style->subElementRect(element, &option, button);
    if (element == QStyle::SE_PushButtonContents) {
      // The frame and the label's margin inside it.
      const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, &option, button) / 2;
      room.adjust(margin, 0, -margin, 0);
    }
    out.emplace_back(QString(button->text()).remove(QLatin1Char('&')), room);
  } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    const QRect room = style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                           .adjusted(1, 0, -1, 0); // the label's own margin
    for (int i = 0; i < combo->count(); ++i) out.emplace_back(combo->itemText(i), room);
  } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
    if (!label->text().isEmpty()) out.emplace_back(label->text(), label->contentsRect());
  }
  return out;
}

// Every text of the window's shown controls that does not fit its room.
inline std::vector<CutText> CutTexts(const QWidget& window) {
  std::vector<CutText> cut;
  for (const QWidget* widget : window.findChildren<QWidget*>()) {
    if (!widget->isVisible()) continue;
    for (const auto& [text, room] : TextsAndRooms(widget)) {
      const int textWidth = QFontMetrics(widget->font()).horizontalAdvance(text);
      const int visible = VisiblePart(widget, room).width();
      if (textWidth > visible)
        cut.push_back({widget->objectName().toStdString() + " \"" + text.toStdString() + "\"", textWidth, visible});
    }
  }
  return cut;
}
