// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar_panel.h"

#include "astro/display.h"
#include "calendar_accessible.h"
#include "dates/calendar_names.h"
#include "selection_marker.h"
#include "step_control.h"
#include "ui_helpers/clickable_label.h"

#include <QAccessible>
#include <QApplication>
#include <QDate>
#include <QFrame>
#include <QPointer>

namespace calendar_panel {
namespace {

constexpr int kCellWidth = 29;  // pixels at 96 dpi
constexpr int kCellHeight = 14;
constexpr int kMarkerHeight = 15;

double Today() { return astro::DateTimeOfDate(QDate::currentDate()); }

QFont Bold(QFont font) {
  font.setBold(true);
  return font;
}

// The white caption boxes of month and year.
void MakeCaptionBox(QLabel* box) {
  box->setAlignment(Qt::AlignCenter);
  box->setFont(Bold(box->font()));
  box->setFrameShape(QFrame::Panel);
  box->setFrameShadow(QFrame::Sunken);
  box->setAutoFillBackground(true);
  QPalette palette = box->palette();
  palette.setColor(QPalette::Window, Qt::white);
  palette.setColor(QPalette::WindowText, Qt::black);
  box->setPalette(palette);
  box->setToolTip(QCoreApplication::translate("calendar_panel", "Enter date directly"));
}

} // namespace

CalendarPanel::CalendarPanel(QWidget* parent, double& calcDate, CalendarOptions& options,
                             std::function<void()> showDay, std::function<int(int)> scale)
    : QWidget(parent), CalcDate(calcDate), options_(options), ShowDay(std::move(showDay)), S(std::move(scale)) {
  static const bool accessible = [] {
    QAccessible::installFactory(CalendarAccessibleFactory);
    return true;
  }();
  (void)accessible;
  resize(S(259), S(134));
  BuildHeader();
  BuildGrid();
}

void CalendarPanel::BuildHeader() {
  const auto place = [this](QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(S(left), S(top), S(width), S(height));
  };
  const auto stepper = [&](Qt::ArrowType arrow, int step, const char* hint, dates::StepKind kind, int left, int top,
                           int width, int height) {
    auto* control = new StepControl(this, arrow, step, tr(hint));
    place(control, left, top, width, height);
    connect(control, &StepControl::stepPressed, this,
            [this, kind, control](Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
              ChangeStep(kind, control, button, modifiers);
            });
    connect(control, &StepControl::stepReleased, this, [this] { RepeatActive = false; });
    return control;
  };
  const char* monthHint = QT_TR_NOOP("Left click one month, right click many months");
  const char* yearHint = QT_TR_NOOP("Left click one year, right click many years");
  const char* dayHint = QT_TR_NOOP("Left click one day, right click many days");
  steppers_ = {stepper(Qt::LeftArrow, -1, monthHint, dates::StepKind::Months, 26, 5, 15, 17),
               stepper(Qt::RightArrow, +1, monthHint, dates::StepKind::Months, 137, 5, 15, 17),
               stepper(Qt::LeftArrow, -1, yearHint, dates::StepKind::Years, 161, 5, 15, 17),
               stepper(Qt::RightArrow, +1, yearHint, dates::StepKind::Years, 221, 5, 15, 17),
               stepper(Qt::NoArrow, -1, dayHint, dates::StepKind::Days, 0, 27, 24, 107),
               stepper(Qt::NoArrow, +1, dayHint, dates::StepKind::Days, 238, 27, 21, 107)};
  const char* names[] = {"cmdPreviousMonth", "cmdNextMonth", "cmdPreviousYear", "cmdNextYear", "pnlLeft", "pnlRight"};
  const char* spoken[] = {QT_TR_NOOP("Previous Month"), QT_TR_NOOP("Next Month"), QT_TR_NOOP("Previous Year"),
                          QT_TR_NOOP("Next Year"),      QT_TR_NOOP("Previous Day"), QT_TR_NOOP("Next Day")};
  for (std::size_t i = 0; i < steppers_.size(); ++i) {
    steppers_[i]->setObjectName(names[i]);
    steppers_[i]->setAccessibleName(tr(spoken[i]));
  }

  pnlMonth = new ui_helpers::ClickableLabel(this);
  pnlMonth->setObjectName("pnlMonth");
  MakeCaptionBox(pnlMonth);
  pnlMonth->setAccessibleName(tr("Month"));
  place(pnlMonth, 44, 3, 88, 20);
  connect(pnlMonth, &ui_helpers::ClickableLabel::pressed, this, [this](Qt::MouseButton button) {
    if (button == Qt::LeftButton) emit dateEntryRequested(false);
  });

  pnlYear = new ui_helpers::ClickableLabel(this);
  pnlYear->setObjectName("pnlYear");
  MakeCaptionBox(pnlYear);
  pnlYear->setAccessibleName(tr("Year"));
  place(pnlYear, 178, 3, 39, 20);
  connect(pnlYear, &ui_helpers::ClickableLabel::pressed, this, &CalendarPanel::pnlYearMouseDown);
}

void CalendarPanel::BuildGrid() {
  pnlCal = new QFrame(this);
  pnlCal->setObjectName("pnlCal");
  pnlCal->setFrameShape(QFrame::Panel);
  pnlCal->setFrameShadow(QFrame::Sunken);
  pnlCal->setGeometry(S(26), S(27), S(211), S(107));

  for (int n = 0; n < 7; ++n) {
    auto* label = new ui_helpers::ClickableLabel(pnlCal);
    label->setObjectName(QStringLiteral("lblCalDay_%1").arg(n + 1));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(Bold(label->font()));
    label->setToolTip(ChangeDayLabelsAction());
    label->setGeometry(S(1 + kCellWidth * n), S(1), S(kCellWidth), S(15));
    connect(label, &ui_helpers::ClickableLabel::pressed, this, [this] { lblCalDayClick(); });
    lblCalDay[n] = label;
  }
  auto* rule = new QFrame(pnlCal);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  rule->setGeometry(S(1), S(16), S(209), S(2));

  for (int index = 0; index < dates::kGridCells; ++index) {
    const int row = index / dates::kGridColumns;
    const int column = index % dates::kGridColumns;
    auto* cell = new ui_helpers::ClickableLabel(pnlCal);
    cell->setObjectName(QStringLiteral("lblCal_%1").arg(dates::CellNumberAt(index)));
    cell->setAlignment(Qt::AlignCenter);
    cell->setToolTip(tr("Select Day"));
    cell->setGeometry(S(3 + kCellWidth * column), S(18 + kCellHeight * row), S(kCellWidth), S(kCellHeight));
    connect(cell, &ui_helpers::ClickableLabel::pressed, this, [this, index](Qt::MouseButton button) {
      if (button == Qt::LeftButton) lblCalClick(index);
    });
    lblCal[index] = cell;
  }

  bvlCal = new SelectionMarker(pnlCal);
  bvlCal->setObjectName("bvlCal");
  bvlCal->resize(S(kCellWidth), S(kMarkerHeight));
}

QWidget* CalendarPanel::CellWidget(int cell) const {
  const int index = (cell / 10 - 1) * dates::kGridColumns + (cell % 10 - 1);
  return lblCal[index];
}

void CalendarPanel::SplitCalcDate() {
  const dates::ShownDate shown = dates::SplitDate(CalcDate);
  ShownYear = shown.year;
  ShownMonth = shown.month;
  ShownDay = shown.day;
}

void CalendarPanel::WriteCaptions() {
  pnlMonth->setText(dates::MonthName(ShownMonth));
  pnlYear->setText(QString::number(ShownYear));
}

void CalendarPanel::UpdateDayLabels() {
  const std::array<QString, 7> labels = dates::DayLabels(options_.SunStart, options_.LD);
  for (int n = 0; n < 7; ++n) lblCalDay[n]->setText(labels[n]);
}

void CalendarPanel::CalendarInit() {
  YearKeyStep = 1;
  UpdateDayLabels();
  SplitCalcDate();
  WriteCaptions();
  RelayoutEnabled = true;
  LayoutMonth();
}

void CalendarPanel::LayoutMonth() {
  if (LayoutBusy) return;
  LayoutBusy = true;
  FirstColumn = dates::FirstColumnOfMonth(ShownYear, ShownMonth, options_.SunStart);
  const int days = dates::DaysInMonth(ShownMonth, ShownYear);
  if (ShownDay > days) ShownDay = days;
  const dates::MonthGridDays grid = dates::FillMonthGrid(days, FirstColumn);
  for (int index = 0; index < dates::kGridCells; ++index) {
    lblCal[index]->setVisible(grid[index] != 0);
    if (grid[index] != 0) lblCal[index]->setText(QString::number(grid[index]));
  }
  SelectDay(dates::CellOfDay(ShownDay, FirstColumn), 0);
  update();
  LayoutBusy = false;
}

void CalendarPanel::MoveMarkerToCell(int cell) {
  const QWidget* target = CellWidget(cell);
  bvlCal->setGeometry(target->x(), target->y(), S(kCellWidth), S(kMarkerHeight));
  bvlCal->raise();
}

void CalendarPanel::SelectDay(int cell, int day) {
  if (day != 0) {
    ShownDay = day;
    CalcDate = dates::JoinDate({ShownYear, ShownMonth, day});
  } else {
    MoveMarkerToCell(cell);
  }
  ShowDay();
  // The keyboard comes back to the window itself, which holds it for the
  // calendar; a cleared focus would leave it with no one, to be given back to
  // no one by the menu bar or a box that closes.
  if (QWidget* focused = QApplication::focusWidget(); focused && focused != window() && window()->isAncestorOf(focused))
    window()->setFocus(Qt::OtherFocusReason);
  AnnounceSelection();
}

void CalendarPanel::AnnounceSelection() {
  if (!QAccessible::isActive()) return;
  QWidget* cell = lblCal[static_cast<std::size_t>(SelectedCellIndex())];
  for (const QAccessible::Event kind : {QAccessible::NameChanged, QAccessible::Selection, QAccessible::Focus}) {
    QAccessibleEvent event(cell, kind);
    QAccessible::updateAccessibility(&event);
  }
}

void CalendarPanel::AnnounceFocus() {
  if (!QAccessible::isActive() || !isVisible()) return;
  QAccessibleEvent event(lblCal[static_cast<std::size_t>(SelectedCellIndex())], QAccessible::Focus);
  QAccessible::updateAccessibility(&event);
}

QWidget* CalendarPanel::GridWidget() const { return pnlCal; }
QWidget* CalendarPanel::CellAt(int index) const { return lblCal[static_cast<std::size_t>(index)]; }
QWidget* CalendarPanel::HeaderWidget(int column) const { return lblCalDay[static_cast<std::size_t>(column)]; }
QWidget* CalendarPanel::CaptionWidget(bool year) const { return year ? pnlYear : pnlMonth; }

int CalendarPanel::SelectedCellIndex() const {
  const int cell = dates::CellOfDay(ShownDay, FirstColumn);
  return (cell / 10 - 1) * dates::kGridColumns + (cell % 10 - 1);
}

QString CalendarPanel::CellName(int index) const {
  const QLabel* cell = lblCal[static_cast<std::size_t>(index)];
  if (cell->isHidden()) return {};
  return astro::LongDateText(dates::JoinDate({ShownYear, ShownMonth, cell->text().toInt()}));
}

QString CalendarPanel::HeaderName(int column) const { return dates::ColumnDayName(column + 1, options_.SunStart); }

QString CalendarPanel::ShownMonthText() const { return pnlMonth->text() + QLatin1Char(' ') + pnlYear->text(); }

void CalendarPanel::SelectCellAt(int index) {
  if (!lblCal[static_cast<std::size_t>(index)]->isHidden()) lblCalClick(index);
}

void CalendarPanel::StepDate(dates::StepKind kind, int amount) {
  const dates::StepResult result = dates::StepDate(kind, amount, CalcDate);
  if (result.view == dates::StepView::Refused) {
    RepeatActive = false; // a limit ends any repeat; the date stays
    return;
  }
  CalcDate = result.date;
  SplitCalcDate();
  if (result.view == dates::StepView::SameMonth) {
    SelectDay(dates::CellOfDay(ShownDay, FirstColumn), 0);
  } else {
    WriteCaptions();
    if (RelayoutEnabled) LayoutMonth();
  }
}

void CalendarPanel::GoToToday(bool keepShownYear) {
  CalcDate = dates::GoToTodayDate(Today(), keepShownYear, ShownYear);
  SplitCalcDate();
  WriteCaptions();
  LayoutMonth();
}

void CalendarPanel::ReturnToToday() {
  CalcDate = Today();
  GoToToday(false);
}

void CalendarPanel::ChangeStep(dates::StepKind kind, const StepControl* control, Qt::MouseButton button,
                               Qt::KeyboardModifiers modifiers) {
  int amount = control->step();
  if (kind == dates::StepKind::Years && (modifiers & Qt::ControlModifier)) amount *= 10;
  if (button == Qt::LeftButton) {
    StepDate(kind, amount);
    return;
  }
  // Any other button repeats as fast as the day recomputes, letting the
  // release, the clock and the painting through after each step.
  const bool deferLayout = kind == dates::StepKind::Years && options_.DC;
  RepeatActive = true;
  if (deferLayout) RelayoutEnabled = false;
  const QPointer<CalendarPanel> alive(this);
  for (int steps = 0; RepeatActive && steps < kMaxRepeatSteps; ++steps) {
    StepDate(kind, amount);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (!alive) return;
    if (!isVisible()) break;
  }
  RepeatActive = false;
  if (kind == dates::StepKind::Years) {
    RelayoutEnabled = true;
    if (deferLayout) LayoutMonth();
  }
}

void CalendarPanel::lblCalClick(int index) {
  const int cell = dates::CellNumberAt(index);
  MoveMarkerToCell(cell);
  SelectDay(cell, lblCal[index]->text().toInt());
}

void CalendarPanel::lblCalDayClick() {
  options_.LD = !options_.LD;
  UpdateDayLabels();
}

void CalendarPanel::pnlYearMouseDown(Qt::MouseButton button) {
  if (button == Qt::RightButton) options_.DC = !options_.DC;
  else if (button == Qt::LeftButton) emit dateEntryRequested(true);
}

void CalendarPanel::SetNavigationEnabled(bool enabled) {
  navigationEnabled_ = enabled;
  for (StepControl* control : steppers_) control->setEnabled(enabled);
}

bool CalendarPanel::CalendarKey(int key, Qt::KeyboardModifiers modifiers) {
  if (!navigationEnabled_) return false;
  const bool ctrl = modifiers & Qt::ControlModifier;
  const bool keypad = modifiers & Qt::KeypadModifier;
  switch (key) {
    case Qt::Key_PageUp: StepDate(ctrl ? dates::StepKind::Years : dates::StepKind::Months, -1); return true;
    case Qt::Key_PageDown: StepDate(ctrl ? dates::StepKind::Years : dates::StepKind::Months, +1); return true;
    case Qt::Key_Home: GoToToday(ctrl); return true;
    case Qt::Key_Left: StepDate(ctrl ? dates::StepKind::Years : dates::StepKind::Days, -1); return true;
    case Qt::Key_Right: StepDate(ctrl ? dates::StepKind::Years : dates::StepKind::Days, +1); return true;
    case Qt::Key_Up: ctrl ? StepDate(dates::StepKind::Months, -1) : StepDate(dates::StepKind::Days, -7); return true;
    case Qt::Key_Down: ctrl ? StepDate(dates::StepKind::Months, +1) : StepDate(dates::StepKind::Days, +7); return true;
    default: break;
  }
  if (!keypad) return false;
  switch (key) {
    case Qt::Key_0: SetYearKeyStep(1); return true;
    case Qt::Key_1: SetYearKeyStep(10); return true;
    case Qt::Key_2: SetYearKeyStep(100); return true;
    case Qt::Key_3: SetYearKeyStep(1000); return true;
    case Qt::Key_Plus: StepDate(dates::StepKind::Years, YearKeyStep); return true;
    case Qt::Key_Minus: StepDate(dates::StepKind::Years, -YearKeyStep); return true;
    default: return false;
  }
}

void CalendarPanel::SetYearKeyStep(int years) {
  YearKeyStep = years;
  // Told through the year caption's name, which a screen reader announces.
  pnlYear->setAccessibleName(years == 1 ? tr("Year, keypad plus and minus step 1 year")
                                        : tr("Year, keypad plus and minus step %1 years").arg(years));
}

} // namespace calendar_panel
