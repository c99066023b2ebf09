// SPDX-License-Identifier: GPL-3.0-or-later
// The day view as assistive technology reads it, through QAccessible.

#include "main_window/main_window.h"

#include "../support/qstring_printer.h"
#include "../support/temporary_store.h"
#include "astro/display.h"
#include "day/readable_day.h"
#include "main_window/day_canvas.h"
#include "main_window/moon_box.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace main_window {
namespace {

std::vector<QAccessibleInterface*> Children(QAccessibleInterface* parent) {
  std::vector<QAccessibleInterface*> children;
  for (int i = 0; i < parent->childCount(); ++i) children.push_back(parent->child(i));
  return children;
}

QStringList TextNames(QAccessibleInterface* canvas) {
  QStringList names;
  for (QAccessibleInterface* child : Children(canvas)) {
    if (child->role() == QAccessible::StaticText && !child->object()) names << child->text(QAccessible::Name);
  }
  return names;
}

class DayAccessibleTest : public ::testing::Test {
protected:
  void SetUp() override {
    window_ = std::make_unique<TfrmVesperon>(store_.factory());
    window_->show();
    window_->GoToDate(astro::DateTimeOfDate(QDate(2000, 1, 1)));
    canvas_ = QAccessible::queryAccessibleInterface(window_->dayCanvas());
    ASSERT_NE(canvas_, nullptr);
  }
  TemporaryStore store_{{"Location/Latitude", "51.4779"}, {"Location/Longitude", "0.0015"},
                        {"Location/TimeZone", "0"}, {"Flags/TFormat", "1"}, {"Flags/Transit", "1"},
                        {"Flags/Az", "0"}, {"Flags/Phase", "1"}, {"Flags/Time", "0"}, {"Flags/FormLength", "0"}};
  std::unique_ptr<TfrmVesperon> window_;
  QAccessibleInterface* canvas_ = nullptr;
};

TEST_F(DayAccessibleTest, RowsReadInTheOrderShownFromThePaintedTexts) {
  const day::DayTexts& t = window_->dayView().DayText;
  const QStringList names = TextNames(canvas_);
  ASSERT_GE(names.size(), 12) << names.join(" | ").toStdString();
  EXPECT_EQ(names[0], t[day::kDateLine]);
  EXPECT_EQ(names[1], QStringLiteral("Dawn twilight ") + t[day::kTwilightBegins]);
  EXPECT_EQ(names[2], QStringLiteral("Sunrise ") + t[day::kSunrise]);
  EXPECT_EQ(names[3], QStringLiteral("Sunset ") + t[day::kSunset]);
  EXPECT_EQ(names[4], QStringLiteral("Dusk twilight ") + t[day::kTwilightEnds]);
  EXPECT_TRUE(names[5].startsWith(QStringLiteral("Moonrise ") + t[day::kFirstMoonTime] + ", ")) << names[5];
  EXPECT_TRUE(names[8].startsWith(window_->dayView().Phases.PhaseText[0].name)) << names[8];

  // The disc between the sun block and the phase list, named by the phase,
  // and the calendar before the phase rows.
  int disc = -1, calendar = -1, firstPhase = -1;
  const auto children = Children(canvas_);
  for (int i = 0; i < static_cast<int>(children.size()); ++i) {
    QAccessibleInterface* child = children[static_cast<std::size_t>(i)];
    EXPECT_EQ(canvas_->indexOfChild(child), i);
    EXPECT_EQ(child->parent(), canvas_);
    if (child->object() == window_->moonBox()) disc = i;
    if (child->object() == window_->calendarPanel()) calendar = i;
    if (firstPhase < 0 && child->text(QAccessible::Name) == names[8]) firstPhase = i;
  }
  ASSERT_GE(disc, 0);
  EXPECT_EQ(children[static_cast<std::size_t>(disc)]->role(), QAccessible::Graphic);
  EXPECT_EQ(children[static_cast<std::size_t>(disc)]->text(QAccessible::Name),
            day::MoonDiscDescription(window_->dayView().IllumPercent));
  EXPECT_GT(disc, 7) << "after the sun and moon rows";
  EXPECT_LT(disc, firstPhase);
  EXPECT_LT(calendar, firstPhase);
  EXPECT_GT(calendar, disc);
}

TEST_F(DayAccessibleTest, RowActionsRunTheCommandsOfTheirClicks) {
  const auto row = [this](const QString& start) -> QAccessibleInterface* {
    for (QAccessibleInterface* child : Children(canvas_)) {
      if (!child->object() && child->text(QAccessible::Name).startsWith(start)) return child;
    }
    return nullptr;
  };
  QAccessibleInterface* transit = row(QStringLiteral("Transit"));
  ASSERT_NE(transit, nullptr);
  QAccessibleActionInterface* actions = transit->actionInterface();
  ASSERT_NE(actions, nullptr);
  EXPECT_EQ(actions->actionNames(), QStringList({"Show/Hide Transit", "Toggle Illumination/Azimuth"}));
  const int before = TextNames(canvas_).size();
  actions->doAction(QStringLiteral("Show/Hide Transit"));
  EXPECT_FALSE(window_->astroState().WantTransit);
  EXPECT_EQ(TextNames(canvas_).size(), before - 1) << "the transit row is gone";
  EXPECT_EQ(row(QStringLiteral("Transit")), nullptr);

  QAccessibleInterface* sunrise = row(QStringLiteral("Sunrise"));
  ASSERT_NE(sunrise, nullptr);
  sunrise->actionInterface()->doAction(QStringLiteral("Toggle Illumination/Azimuth"));
  EXPECT_TRUE(window_->astroState().WantAzimuth);
  EXPECT_TRUE(sunrise->text(QAccessible::Name).contains(QStringLiteral("azimuth"))) << sunrise->text(QAccessible::Name);

  QAccessibleInterface* disc = QAccessible::queryAccessibleInterface(const_cast<MoonBox*>(window_->moonBox()));
  ASSERT_NE(disc->actionInterface(), nullptr);
  disc->actionInterface()->doAction(QStringLiteral("Show/Hide Phases"));
  EXPECT_FALSE(window_->options().Phase);
  EXPECT_EQ(TextNames(canvas_).size(), before - 1 - 4) << "the phase rows are gone";
}

// What had been mouse-only in the calendar has a key: Ctrl+D the weekday
// headers' length, Ctrl+R the year repeat's layout.
TEST_F(DayAccessibleTest, CalendarSettingsOfTheMouseHaveKeys) {
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  auto* header = window_->findChild<QLabel*>("lblCalDay_1");
  const QString before = header->text();
  QTest::keyClick(window_.get(), Qt::Key_D, Qt::ControlModifier);
  EXPECT_NE(header->text(), before);
  QTest::keyClick(window_.get(), Qt::Key_D, Qt::ControlModifier);
  EXPECT_EQ(header->text(), before);

  const QString repeatLayout = (window_.reset(), store_.value("Flags/DC"));
  window_ = std::make_unique<TfrmVesperon>(store_.factory());
  window_->show();
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  QTest::keyClick(window_.get(), Qt::Key_R, Qt::ControlModifier);
  window_.reset();
  EXPECT_NE(store_.value("Flags/DC"), repeatLayout);
}

} // namespace
} // namespace main_window
