// SPDX-License-Identifier: GPL-3.0-or-later
#include "date_panel.h"

#include "dates/date_entry.h"
#include "ui_helpers/caption_buddy.h"
#include "ui_helpers/character_filter.h"
#include "ui_helpers/panel_keys.h"
#include "ui_helpers/text_fit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace date_entry {

DatePanel::DatePanel(QWidget* parent, const std::function<int(int)>& S) : QFrame(parent) {
  setObjectName("pnlDate");
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setAutoFillBackground(true); // covers what lies beneath
  setGeometry(S(26), S(187), S(211), S(107));

  int captionsRight = 0; // of the fields' captions
  const auto label = [&](const char* name, const QString& caption, int left, int top) {
    auto* l = new QLabel(caption, this);
    l->setObjectName(name);
    l->move(S(left), S(top));
    return l->x() + l->sizeHint().width();
  };
  // DateKeyPress: digits and backspace only, refused characters dropped silently.
  const auto isDigit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
  auto* DateKeyPress = new ui_helpers::CharacterFilter(this, isDigit, nullptr);
  const auto field = [&](const char* name, int top) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setGeometry(S(61), S(top), S(42), S(21));
    QFont bold = edit->font();
    bold.setBold(true);
    edit->setFont(bold);
    edit->installEventFilter(DateKeyPress);
    return edit;
  };
  const auto button = [&](const char* name, const QString& caption, int top) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setGeometry(S(133), S(top), S(57), S(21));
    return b;
  };

  label("lblDate_1", tr("Enter a date :"), 13, 5);
  captionsRight = std::max(captionsRight, label("lblDate_2", tr("Year :"), 13, 29));
  txtYear = field("txtYear", 25);
  captionsRight = std::max(captionsRight, label("lblDate_3", tr("Month :"), 13, 53));
  txtMonth = field("txtMonth", 49);
  captionsRight = std::max(captionsRight, label("lblDate_4", tr("Day : "), 13, 77));
  txtDay = field("txtDay", 73);
  // The fields stand further right where a caption is longer in the shown language.
  for (QLineEdit* edit : {txtYear, txtMonth, txtDay}) edit->move(std::max(edit->x(), captionsRight + S(4)), edit->y());
  setTabOrder(txtYear, txtMonth);
  setTabOrder(txtMonth, txtDay);
  ui_helpers::NameByCaption(findChild<QLabel*>("lblDate_2"), txtYear);
  ui_helpers::NameByCaption(findChild<QLabel*>("lblDate_3"), txtMonth);
  ui_helpers::NameByCaption(findChild<QLabel*>("lblDate_4"), txtDay);

  cmdDateOK = button("cmdDateOK", tr("O&K"), 25); // Alt+O stays the Options menu's
  cmdDateOK->setDefault(true);
  cmdDateCancel = button("cmdDateCancel", tr("&Cancel"), 49);
  // Both buttons as wide as the longer word needs, growing towards the
  // fields where the panel's edge is near.
  ui_helpers::WidenButtonColumn({cmdDateOK, cmdDateCancel}, contentsRect().right() - S(8));
  // The buttons are Tab stops after the fields.
  setTabOrder(txtDay, cmdDateOK);
  setTabOrder(cmdDateOK, cmdDateCancel);
  connect(cmdDateOK, &QPushButton::clicked, this, &DatePanel::cmdDateOKClick);
  connect(cmdDateCancel, &QPushButton::clicked, this, &DatePanel::cmdDateCancelClick);

  ui_helpers::BindPanelKeys(this, [this] { cmdDateOKClick(); }, [this] { cmdDateCancelClick(); });
  hide();
}

void DatePanel::Fill(const dates::ShownDate& shown, bool focusMonth) {
  shown_ = shown;
  txtYear->setText(QString::number(shown.year));
  txtMonth->setText(QString::number(shown.month));
  txtDay->setText(QString::number(shown.day));
  QLineEdit* first = focusMonth ? txtMonth : txtYear;
  first->setFocus(Qt::OtherFocusReason);
  first->selectAll();
}

void DatePanel::cmdDateOKClick() {
  emit dateEntered(dates::EnteredDate(txtYear->text(), txtMonth->text(), txtDay->text(), shown_));
}

void DatePanel::cmdDateCancelClick() { emit cancelled(); }

} // namespace date_entry
