// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The date panel pnlDate: a year, a month and a day typed instead of stepping
// the calendar. It lies over the calendar's day grid (the month and year
// captions above stay visible) while the calendar's stepping controls and keys
// are off. Enter is OK, Escape is Cancel while it is open.

#include "dates/calendar_dates.h"

#include <QFrame>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace date_entry {

class DatePanel : public QFrame {
  Q_OBJECT
public:
  // scale turns 96-dpi pixels into screen pixels.
  DatePanel(QWidget* parent, const std::function<int(int)>& scale);

  // Fills the fields with the shown date and focuses the month field
  // (focusMonth) or the year field. The caller shows the panel first.
  void Fill(const dates::ShownDate& shown, bool focusMonth);

  QLineEdit* txtYear = nullptr;
  QLineEdit* txtMonth = nullptr;
  QLineEdit* txtDay = nullptr;
  QPushButton* cmdDateOK = nullptr;
  QPushButton* cmdDateCancel = nullptr;

signals:
  // OK: the entered date, limited and completed from the shown date.
  void dateEntered(const dates::ShownDate& date);
  // Cancel or Escape: the date stays.
  void cancelled();

private:
  void cmdDateOKClick();
  void cmdDateCancelClick();

  dates::ShownDate shown_;
};

} // namespace date_entry
