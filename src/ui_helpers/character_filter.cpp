// SPDX-License-Identifier: GPL-3.0-or-later
#include "character_filter.h"

#include <QKeyEvent>

namespace ui_helpers {

CharacterFilter::CharacterFilter(QObject* parent, std::function<bool(QChar)> accepts, std::function<void()> refused)
    : QObject(parent), accepts_(std::move(accepts)), refused_(std::move(refused)) {}

bool CharacterFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const QString text = key->text();
  const bool typed = !text.isEmpty() && text.at(0).isPrint() &&
                     !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
  if (!typed) return false;
  for (const QChar c : text) {
    if (!accepts_(c)) {
      if (refused_) refused_();
      return true;
    }
  }
  return false;
}

} // namespace ui_helpers
