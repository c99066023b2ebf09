// SPDX-License-Identifier: GPL-3.0-or-later
#include "date_entry/date_panel.h"

#include "ui_helpers/shown_language.h"
#include "ui_helpers/text_fit.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace date_entry {
void PrintTo(const dates::ShownDate& d, std::ostream* out) { *out << d.year << '-' << d.month << '-' << d.day; }
} // namespace date_entry

namespace date_entry {
namespace {

class DatePanelTest : public ::testing::Test {
protected:
  DatePanelTest() {
    panel_ = new DatePanel(&window_, [](int pixels) { return pixels; });
    QObject::connect(panel_, &DatePanel::dateEntered, [this](const dates::ShownDate& d) { entered_ = d; });
    window_.resize(300, 300);
    window_.show();
    panel_->show();
  }
  QWidget window_;
  DatePanel* panel_ = nullptr;
  std::optional<dates::ShownDate> entered_;
};

TEST_F(DatePanelTest, OkLimitsEachFieldAndTakesTheShownDateForAnEmptyOne) {
  const struct {
    dates::ShownDate shown;
    const char *year, *month, *day;
    dates::ShownDate entered;
    const char* note;
  } cases[] = {
      {{2024, 5, 10}, "0", "5", "10", {1, 5, 10}, "year 0 gives year 1"},
      {{2024, 5, 10}, "12345", "5", "10", {9999, 5, 10}, "above 9999 gives 9999"},
      {{2024, 5, 10}, "99999999999999999999", "5", "10", {9999, 5, 10}, "too long for a number still above"},
      {{2024, 5, 10}, "2024", "13", "10", {2024, 12, 10}, "month 13 gives December"},
      {{2024, 5, 10}, "2024", "4", "31", {2024, 4, 30}, "April 31 gives April 30"},
      {{2024, 5, 10}, "2001", "2", "30", {2001, 2, 28}, "February 30 2001 gives February 28"},
      {{2023, 1, 31}, "2024", "2", "", {2024, 2, 29}, "empty day on January 31, leap February"},
      {{2023, 1, 31}, "", "", "0", {2023, 1, 1}, "empty year and month keep the shown ones"},
  };
  for (const auto& c : cases) {
    entered_.reset();
    panel_->Fill(c.shown, false);
    panel_->txtYear->setText(QLatin1String(c.year));
    panel_->txtMonth->setText(QLatin1String(c.month));
    panel_->txtDay->setText(QLatin1String(c.day));
    QTest::mouseClick(panel_->cmdDateOK, Qt::LeftButton);
    ASSERT_TRUE(entered_) << c.note;
    EXPECT_EQ(*entered_, c.entered) << c.note;
  }
}

TEST_F(DatePanelTest, TheFieldsTakeDigitsOnlyAndDropOtherCharactersSilently) {
  panel_->Fill({2024, 5, 10}, false);
  panel_->txtYear->clear();
  QTest::keyClicks(panel_->txtYear, QStringLiteral("1a9-8.5"));
  EXPECT_EQ(panel_->txtYear->text(), QStringLiteral("1985"));
  QTest::keyClick(panel_->txtYear, Qt::Key_Backspace);
  EXPECT_EQ(panel_->txtYear->text(), QStringLiteral("198"));
}

TEST_F(DatePanelTest, TabWalksTheFieldsThenOkAndCancelAndEnterPressesTheFocusedButton) {
  QApplication::setActiveWindow(&window_);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  panel_->Fill({2024, 5, 10}, false);
  const QWidget* const expected[] = {panel_->txtYear, panel_->txtMonth, panel_->txtDay, panel_->cmdDateOK,
                                     panel_->cmdDateCancel};
  for (const QWidget* w : expected) {
    EXPECT_EQ(QApplication::focusWidget(), w) << w->objectName().toStdString();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  panel_->Fill({2024, 5, 10}, false);
  panel_->cmdDateCancel->setFocus(Qt::TabFocusReason);
  QTest::keyClick(panel_->cmdDateCancel, Qt::Key_Return);
  EXPECT_FALSE(entered_) << "Enter on Cancel cancels";
}

// The longest captions, German ones, show whole: each field stands clear of
// its caption, and the buttons are wide enough for their words inside the panel.
TEST(DatePanelCaptionsTest, GermanCaptionsAndButtonsShowWhole) {
  ASSERT_EQ(ui_helpers::InstallTranslations(QLocale(QLocale::German)), "de");
  QWidget window;
  const auto* panel = new DatePanel(&window, [](int pixels) { return pixels; });
  EXPECT_EQ(panel->cmdDateCancel->text(), "&Abbrechen");
  for (const QPushButton* button : {panel->cmdDateOK, panel->cmdDateCancel}) {
    EXPECT_GE(button->width(), ui_helpers::ButtonWidthForText(*button)) << button->text().toStdString();
    EXPECT_LE(button->geometry().right(), panel->contentsRect().right()) << button->text().toStdString();
  }
  const struct {
    const char* caption;
    const QLineEdit* field;
  } rows[] = {{"lblDate_2", panel->txtYear}, {"lblDate_3", panel->txtMonth}, {"lblDate_4", panel->txtDay}};
  for (const auto& row : rows) {
    const auto* caption = panel->findChild<QLabel*>(QLatin1String(row.caption));
    EXPECT_LT(caption->x() + caption->sizeHint().width(), row.field->x()) << row.caption;
    EXPECT_LT(row.field->geometry().right(), panel->cmdDateOK->x()) << row.caption;
  }
  ui_helpers::InstallTranslations(QLocale(QLocale::English));
}

} // namespace
} // namespace date_entry
