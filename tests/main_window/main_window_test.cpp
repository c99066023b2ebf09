// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/main_window.h"

#include "../support/qstring_printer.h"
#include "../support/scoped_locale.h"
#include "../support/temporary_store.h"
#include "astro/display.h"
#include "calendar_panel/calendar_panel.h"
#include "main_window/moon_box.h"
#include "main_window/status_strip.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <gtest/gtest.h>

namespace main_window {
namespace {

double Date(int y, int m, int d) { return astro::DateTimeOfDate(QDate(y, m, d)); }
QDate Shown(const TfrmVesperon& w) { return astro::DateOfDateTime(w.astroState().CalcDate); }

class MainWindowTest : public ::testing::Test {
protected:
  std::unique_ptr<TfrmVesperon> Open(const TemporaryStore& store) {
    auto window = std::make_unique<TfrmVesperon>(store.factory());
    window->show();
    return window;
  }
  QWidget* Child(TfrmVesperon& w, const char* name) { return w.findChild<QWidget*>(QLatin1String(name)); }
  QString CellText(TfrmVesperon& w, int cell) {
    return static_cast<QLabel*>(Child(w, qPrintable(QStringLiteral("lblCal_%1").arg(cell))))->text();
  }
};

TEST_F(MainWindowTest, ClientHeightFollowsPhaseStatusAndLongForm) {
  if (QGuiApplication::primaryScreen()->logicalDotsPerInch() != 96) GTEST_SKIP() << "heights are given at 96 dpi";
  const struct {
    const char *phase, *status, *longForm;
    int height;
  } cases[] = {
      {"0", "0", "0", 315}, {"0", "1", "0", 340}, {"1", "0", "0", 382}, {"1", "1", "0", 407},
      {"1", "0", "1", 414}, {"1", "1", "1", 439}, {"0", "0", "1", 315}, {"0", "1", "1", 340},
  };
  for (const auto& c : cases) {
    TemporaryStore store({{"Flags/Phase", c.phase}, {"Flags/Status", c.status}, {"Flags/FormLength", c.longForm}});
    auto w = Open(store);
    EXPECT_EQ(w->centralWidget()->height(), c.height) << c.phase << c.status << c.longForm;
    EXPECT_EQ(w->centralWidget()->width(), 259);
    EXPECT_EQ(w->statusStrip()->isVisible(), QLatin1String(c.status) == "1");
  }
}

TEST_F(MainWindowTest, KeysStepDaysMonthsAndYearsWithinTheCalendarLimits) {
  TemporaryStore store;
  auto w = Open(store);
  const struct {
    QDate from;
    int key;
    Qt::KeyboardModifiers modifiers;
    QDate to;
    const char* note;
  } cases[] = {
      {{2023, 12, 31}, Qt::Key_Right, Qt::NoModifier, {2024, 1, 1}, "day across a year end"},
      {{2024, 3, 1}, Qt::Key_Left, Qt::NoModifier, {2024, 2, 29}, "back into a leap February"},
      {{2024, 1, 31}, Qt::Key_PageDown, Qt::NoModifier, {2024, 2, 29}, "month cut to February's length"},
      {{2024, 2, 29}, Qt::Key_PageDown, Qt::ControlModifier, {2025, 2, 28}, "February 29 plus a year"},
      {{2023, 12, 28}, Qt::Key_Down, Qt::NoModifier, {2024, 1, 4}, "a week on"},
      {{2024, 5, 15}, Qt::Key_Up, Qt::ControlModifier, {2024, 4, 15}, "Ctrl+Up: a month back"},
      {{1, 1, 1}, Qt::Key_Left, Qt::NoModifier, {1, 1, 1}, "the first date refuses a step back"},
      {{9999, 12, 31}, Qt::Key_Right, Qt::NoModifier, {9999, 12, 31}, "the last date refuses a step on"},
      {{9999, 6, 1}, Qt::Key_PageDown, Qt::ControlModifier, {9999, 6, 1}, "no year 10000"},
  };
  for (const auto& c : cases) {
    w->GoToDate(astro::DateTimeOfDate(c.from));
    QTest::keyClick(w.get(), static_cast<Qt::Key>(c.key), c.modifiers);
    EXPECT_EQ(Shown(*w), c.to) << c.note;
  }
  // Keypad 1 makes the keypad's plus and minus step ten years.
  w->GoToDate(Date(2000, 2, 29));
  QTest::keyClick(w.get(), Qt::Key_1, Qt::KeypadModifier);
  QTest::keyClick(w.get(), Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_EQ(Shown(*w), QDate(2010, 2, 28));
}

TEST_F(MainWindowTest, GridPlacesTheFirstDayByWeekStart) {
  TemporaryStore store;
  auto w = Open(store);
  w->GoToDate(Date(2025, 3, 10)); // March 2025 starts on a Saturday
  EXPECT_EQ(CellText(*w, 17), "1");
  EXPECT_EQ(CellText(*w, 61), "30");
  EXPECT_EQ(CellText(*w, 62), "31");
  EXPECT_FALSE(Child(*w, "lblCal_63")->isVisible());
  EXPECT_FALSE(Child(*w, "lblCal_11")->isVisible());

  w->SetWeekStart(false);
  w->GoToDate(Date(2015, 2, 3)); // February 2015 starts on a Sunday
  EXPECT_EQ(CellText(*w, 17), "1");
  EXPECT_EQ(static_cast<QLabel*>(Child(*w, "lblCalDay_1"))->text(), "M");

  QTest::mouseClick(Child(*w, "lblCal_21"), Qt::LeftButton);
  EXPECT_EQ(Shown(*w), QDate(2015, 2, 2)) << "a click selects the day under it";
  EXPECT_EQ(Child(*w, "bvlCal")->pos(), Child(*w, "lblCal_21")->pos()) << "the marker follows";

  QTest::mouseClick(Child(*w, "lblCalDay_1"), Qt::LeftButton);
  EXPECT_EQ(static_cast<QLabel*>(Child(*w, "lblCalDay_1"))->text(), "Mon");
}

TEST_F(MainWindowTest, MouseStepsOnceWithTheLeftButtonAndRepeatsToALimitWithTheRight) {
  TemporaryStore store;
  auto w = Open(store);
  w->GoToDate(Date(2024, 2, 28));
  QTest::mouseClick(Child(*w, "pnlRight"), Qt::LeftButton);
  EXPECT_EQ(Shown(*w), QDate(2024, 2, 29));
  QTest::mouseClick(Child(*w, "cmdPreviousYear"), Qt::LeftButton, Qt::ControlModifier);
  EXPECT_EQ(Shown(*w), QDate(2014, 2, 28)) << "Ctrl: ten years";

  // A repeat runs until the release or a limit; here the limit ends it.
  w->GoToDate(Date(9999, 12, 20));
  QTest::mousePress(Child(*w, "pnlRight"), Qt::RightButton);
  EXPECT_EQ(Shown(*w), QDate(9999, 12, 31));
  QTest::mouseRelease(Child(*w, "pnlRight"), Qt::RightButton);

  w->GoToDate(Date(9990, 7, 4));
  QTest::mousePress(Child(*w, "cmdNextYear"), Qt::RightButton);
  EXPECT_EQ(Shown(*w), QDate(9999, 7, 4));
  EXPECT_EQ(static_cast<QLabel*>(Child(*w, "pnlYear"))->text(), "9999");
  EXPECT_EQ(w->dayView().DayText[day::kDateLine], "Sunday, July 4, 9999") << "laid out and shown after the repeat";
  QTest::mouseRelease(Child(*w, "cmdNextYear"), Qt::RightButton);
}

TEST_F(MainWindowTest, ReleasingTheButtonEndsARepeat) {
  TemporaryStore store;
  auto w = Open(store);
  w->GoToDate(Date(2000, 1, 1));
  QWidget* strip = Child(*w, "pnlRight");
  // The release arrives while the repeat runs: the loop lets it through.
  QTimer::singleShot(30, strip, [strip] { QTest::mouseRelease(strip, Qt::RightButton); });
  QTest::mousePress(strip, Qt::RightButton);
  EXPECT_GT(Shown(*w), QDate(2000, 1, 2)) << "several steps";
  EXPECT_LT(Shown(*w), QDate(9999, 12, 31)) << "stopped by the release, not by the limit";
  const QDate stopped = Shown(*w);
  QApplication::processEvents();
  EXPECT_EQ(Shown(*w), stopped);
}

TEST_F(MainWindowTest, PhaseListIsKeptWithinAQuarterLunation) {
  TemporaryStore store;
  auto w = Open(store);
  w->GoToDate(Date(2000, 1, 8)); // just after the new moon of 6 January
  const float k = w->dayView().Phases.LastPhaseK;
  const QString first = w->dayView().Phases.PhaseText[0].date;
  QTest::keyClick(w.get(), Qt::Key_Right);
  EXPECT_EQ(w->dayView().Phases.LastPhaseK, k);
  EXPECT_FALSE(w->dayView().Phases.PaintPhases) << "same quarter: rows kept";
  w->GoToDate(Date(2000, 1, 16));
  EXPECT_NE(w->dayView().Phases.PhaseText[0].date, first);
}

TEST_F(MainWindowTest, OptionsAreWrittenAtShutdownAndReadBackAtTheNextStart) {
  TemporaryStore store;
  {
    auto w = Open(store);
    EXPECT_EQ(store.value("Location/Latitude"), "") << "nothing stored before the first shutdown";
    w->FlipTransit();
    w->SetTwilight(0);
    w->FlipBigMoon();
    w->FlipShowSeconds(); // forces the 24-hour clock while on
    EXPECT_EQ(w->options().TFormat, 1);
    QTest::mouseClick(Child(*w, "lblCalDay_1"), Qt::LeftButton); // three-letter headers
  }
  EXPECT_EQ(store.value("Flags/Transit"), "0");
  EXPECT_EQ(store.value("Flags/Twilight"), "0");
  EXPECT_EQ(store.value("Flags/BigMoon"), "0");
  EXPECT_EQ(store.value("Flags/TFormat"), "0") << "the format chosen before seconds";
  EXPECT_EQ(store.value("Flags/LD"), "1");
  EXPECT_EQ(store.value("Location/City"), "Zedir Izudiz,MI") << "first run writes the location";
  EXPECT_EQ(store.value("Location/Latitude"), "42.97");

  auto again = Open(store);
  EXPECT_FALSE(again->astroState().WantTransit);
  EXPECT_EQ(again->options().Twilight, 0);
  EXPECT_EQ(again->moonBox()->width(), 32);
  EXPECT_EQ(again->menuAction("mnuTwi_0")->isChecked(), true);
  EXPECT_EQ(again->menuAction("mnuBigMoon")->text(), "Big &Moon");
  EXPECT_EQ(static_cast<QLabel*>(Child(*again, "lblCalDay_1"))->text(), "Sun");
}

TEST_F(MainWindowTest, StoredPositionOffTheScreenIsPulledBack) {
  const struct {
    const char *top, *left;
  } cases[] = {{"5000", "-300"}, {"2147483647", "2147483647"}, {"-2147483648", "-2147483648"}};
  for (const auto& c : cases) {
    TemporaryStore store({{"Window/Top", c.top}, {"Window/Left", c.left}});
    auto w = Open(store);
    const QRect screen = w->screen()->geometry();
    EXPECT_GE(w->frameGeometry().left(), 0) << c.left;
    EXPECT_LE(w->frameGeometry().right(), screen.right()) << c.left;
    EXPECT_LE(w->frameGeometry().bottom(), screen.bottom()) << c.top;
    EXPECT_GE(w->frameGeometry().top(), 0) << c.top;
  }
}

TEST_F(MainWindowTest, StayOnTopNeitherMovesNorRecreatesTheWindow) {
  TemporaryStore store({{"Window/Top", "200"}, {"Window/Left", "300"}});
  {
    auto w = Open(store);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    const QWindow* native = w->windowHandle();
    const QPoint where = w->frameGeometry().topLeft();
    EXPECT_EQ(where, QPoint(300, 200));
    for (const bool onTop : {true, false}) {
      w->FlipStayOnTop();
      QCoreApplication::processEvents();
      EXPECT_EQ(w->windowHandle(), native) << "the native window is kept";
      EXPECT_EQ(w->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), onTop);
      EXPECT_TRUE(w->isVisible());
      EXPECT_EQ(w->frameGeometry().topLeft(), where);
    }
  }
  EXPECT_EQ(store.value("Window/Left"), "300");
  EXPECT_EQ(store.value("Window/Top"), "200");
}

TEST_F(MainWindowTest, StayOnTopIsOffWithItsReasonWhereThePlatformCannotKeepAWindowOnTop) {
  TemporaryStore store;
  auto w = Open(store);
  QAction* onTop = w->menuAction("mnuOnTop");
  ASSERT_NE(onTop, nullptr);
  const struct {
    const char* platform;
    bool available;
  } cases[] = {{"wayland", false}, {"wayland-egl", false}, {"xcb", true}, {"offscreen", true}};
  for (const auto& c : cases) {
    w->ApplyStayOnTopSupport(QLatin1String(c.platform));
    EXPECT_EQ(onTop->isEnabled(), c.available) << c.platform;
    EXPECT_EQ(onTop->toolTip().startsWith(QStringLiteral("Not available on Wayland: ")), !c.available)
        << c.platform << ": " << onTop->toolTip().toStdString();
  }
  w->ApplyStayOnTopSupport(QStringLiteral("wayland"));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
  QTest::keyClick(w.get(), Qt::Key_T, Qt::ControlModifier);
  EXPECT_FALSE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << "Ctrl+T does nothing there";
}

int Distance(const QColor& a, const QColor& b) {
  return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

// The pixel of a widget's picture that stands out most from a colour.
QColor MostDistinctFrom(QWidget* widget, const QColor& colour) {
  const QImage image = widget->grab().toImage();
  QColor most = colour;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (Distance(image.pixelColor(x, y), colour) > Distance(most, colour)) most = image.pixelColor(x, y);
  return most;
}

TEST_F(MainWindowTest, StatusBoxesAndCalendarArrowsKeepTheSystemButtonColours) {
  TemporaryStore store({{"Colors/Background", "8388608"}, {"Colors/Text", "65535"}}); // navy, yellow
  auto w = Open(store);
  const QColor face = QApplication::palette().color(QPalette::Button);
  const QColor ink = QApplication::palette().color(QPalette::ButtonText);

  // A status box: the button face behind text in the button's text colour.
  QWidget* box = Child(*w, "pnlCity");
  const QImage boxPicture = box->grab().toImage();
  EXPECT_EQ(boxPicture.pixelColor(boxPicture.width() - 4, boxPicture.height() / 2), face);
  const QColor text = MostDistinctFrom(box, face);
  EXPECT_LT(Distance(text, ink), Distance(text, QColor(255, 255, 0))) << "text in the day view's yellow";
  EXPECT_LT(Distance(text, ink), Distance(text, QColor(0, 0, 128))) << "text on the day view's navy";

  // An arrow looks as it does on a plain button in the system's colours.
  for (const char* name : {"cmdPreviousMonth", "cmdNextMonth", "cmdPreviousYear", "cmdNextYear"}) {
    auto* arrow = static_cast<QToolButton*>(Child(*w, name));
    QToolButton plain;
    plain.setArrowType(arrow->arrowType());
    plain.resize(arrow->size());
    const auto picture = [](QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); };
    EXPECT_EQ(picture(arrow), picture(&plain)) << name;
  }
}

TEST_F(MainWindowTest, CalendarNamesTheMonthAloneAndTheDateLineDeclinesIt) {
  const struct {
    const char *locale, *caption, *inDate;
  } cases[] = {
      {"pl_PL", "marzec", "marca"},
      {"fi_FI", "maaliskuu", "maaliskuuta"},
  };
  for (const auto& c : cases) {
    ScopedLocale locale{QLocale(QLatin1String(c.locale))};
    TemporaryStore store;
    auto w = Open(store);
    w->GoToDate(Date(2024, 3, 17));
    EXPECT_EQ(static_cast<QLabel*>(Child(*w, "pnlMonth"))->text(), QLatin1String(c.caption)) << c.locale;
    EXPECT_TRUE(w->dayView().DayText[day::kDateLine].contains(QLatin1String(c.inDate)))
        << c.locale << ": " << w->dayView().DayText[day::kDateLine];
  }
}

TEST_F(MainWindowTest, ClickAreasAndStatusBoxesChangeTheirOptions) {
  TemporaryStore store;
  auto w = Open(store);
  w->GoToDate(Date(2000, 1, 1));
  EXPECT_EQ(w->statusStrip()->text(1), "ST");
  w->CycleTimeType();
  EXPECT_EQ(w->statusStrip()->text(1), "DT");
  EXPECT_TRUE(w->menuAction("mnuTime_1")->isChecked());
  w->CycleTimeType();
  w->CycleTimeType();
  EXPECT_EQ(w->statusStrip()->text(1), "-0500") << "Local Time names the place's clock; this place's is a bare offset";
  EXPECT_TRUE(w->menuAction("mnuTime_3")->isChecked());
  w->CycleTimeType();
  EXPECT_EQ(w->statusStrip()->text(1), "ST") << "four clicks come back";

  w->FlipAzimuth();
  EXPECT_EQ(w->menuAction("mnuAzimuth")->text(), "&Illumination");
  EXPECT_FALSE(w->dayView().DayText[day::kSunriseAzimuth].isEmpty());

  // The little moon moves with the transit row.
  w->FlipBigMoon();
  EXPECT_EQ(w->moonBox()->y(), 112);
  const double pct = w->dayView().IllumPercent;
  w->FlipTransit();
  EXPECT_EQ(w->moonBox()->y(), 104);
  EXPECT_EQ(w->dayView().DayText[10], "") << "third moon row emptied";
  EXPECT_EQ(w->dayView().IllumPercent, pct);
  EXPECT_EQ(w->moonBox()->bitmap().width(), 32);
}

// Left running past midnight while it shows today, the day view moves to the
// new day with the status bar's clock; a day the user went to stays.
TEST_F(MainWindowTest, TodayMovesOnAtMidnightWithTheClock) {
  TemporaryStore store({{"Flags/TFormat", "1"}});
  auto w = Open(store);
  QDateTime now(QDate(2026, 3, 28), QTime(23, 59, 59));
  w->SetClock([&now] { return now; });
  w->GoToDate(Date(2026, 3, 28));
  w->Timer1Timer();
  EXPECT_EQ(Shown(*w), QDate(2026, 3, 28));

  now = QDateTime(QDate(2026, 3, 29), QTime(0, 0, 1));
  w->Timer1Timer();
  EXPECT_EQ(w->statusStrip()->text(3), QStringLiteral("00:00"));
  EXPECT_EQ(Shown(*w), QDate(2026, 3, 29));
  EXPECT_TRUE(w->dayView().DayText[day::kDateLine].contains(QLatin1String("29"))) << w->dayView().DayText[day::kDateLine];
  const calendar_panel::CalendarPanel* calendar = w->calendarPanel();
  EXPECT_TRUE(calendar->CellName(calendar->SelectedCellIndex()).contains(QLatin1String("29")))
      << calendar->CellName(calendar->SelectedCellIndex());

  w->GoToDate(Date(2000, 1, 1));
  now = QDateTime(QDate(2026, 3, 30), QTime(0, 0, 1));
  w->Timer1Timer();
  EXPECT_EQ(Shown(*w), QDate(2000, 1, 1)) << "another day than today stays";
  now = QDateTime(QDate(2026, 3, 31), QTime(0, 0, 1));
  w->GoToDate(Date(2026, 3, 30));
  w->Timer1Timer();
  EXPECT_EQ(Shown(*w), QDate(2026, 3, 31)) << "the day it went back to was today";
}

} // namespace
} // namespace main_window
