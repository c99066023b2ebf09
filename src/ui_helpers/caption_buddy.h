// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A field named by the caption beside it: the caption becomes its buddy (the
// labelled-by relation for assistive technology) and the caption's words,
// without "&" and a trailing colon, its accessible name.

#include <QLabel>

namespace ui_helpers {

inline void NameByCaption(QLabel* caption, QWidget* field) {
  caption->setBuddy(field);
  QString words = caption->text().remove(QLatin1Char('&')).trimmed();
  if (words.endsWith(QLatin1Char(':'))) words.chop(1);
  field->setAccessibleName(words.trimmed());
}

} // namespace ui_helpers
