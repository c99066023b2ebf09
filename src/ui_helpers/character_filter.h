// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A key filter for edit fields: typed characters the field does not take are
// discarded before the field sees them, with or without the system beep.
// Editing and navigation keys (backspace, Tab, Enter, Escape, arrows) and
// shortcuts pass.

#include <QObject>
#include <functional>

namespace ui_helpers {

class CharacterFilter : public QObject {
public:
  // accepts says whether a typed printable character is taken; refused runs
  // for each character discarded (the beep, or nothing).
  CharacterFilter(QObject* parent, std::function<bool(QChar)> accepts, std::function<void()> refused);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  std::function<bool(QChar)> accepts_;
  std::function<void()> refused_;
};

} // namespace ui_helpers
