// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky_events_window.h"

#include "astro/display.h"
#include "help/help_key.h"
#include "help/help_topics.h"
#include "month/table_texts.h"
#include "sky_events/sky_event_formats.h"
#include "sky_events_model.h"
#include "year_events.h"
#include "ui_helpers/button_palette.h"
#include "ui_helpers/keyboard_table_view.h"
#include "ui_helpers/list_fonts.h"
#include "ui_helpers/window_frame.h"

#include <QAccessible>
#include <QBoxLayout>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace sky_events_window {
namespace {

constexpr int kWindowFontPoints = 8;
constexpr int kYearFontPoints = 12;
constexpr int kFirstYear = 1; // the calendar's date range
constexpr int kLastYear = 9999;
constexpr int kWindowWidth96 = 780; // pixels at 96 dpi: the Date, Time and Event columns and most details
constexpr int kWindowHeight96 = 460;
constexpr int kEventColumn = 2;
constexpr int kEventColumnEms = 13;
// The least room of the details column (widths of "M") and of the grid (lines).
constexpr int kLeastDetailsEms = 36;
constexpr int kLeastGridLines = 9;

} // namespace

SkyEventsWindow::SkyEventsWindow(QWidget* parent, MainWindowReader readMain)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                              Qt::WindowCloseButtonHint),
      readMain_(std::move(readMain)) {
  setObjectName(QStringLiteral("frmSkyEvents"));
  const int dpi = ui_helpers::PrimaryScreenDpi();
  setFont(ui_helpers::SansSerifFont(kWindowFontPoints, dpi));
  CreateViews();
  CreateMenus();
  resize(kWindowWidth96 * dpi / 96, kWindowHeight96 * dpi / 96);
  // F1 shows the window's topic, over the window and in its menus.
  setProperty(help::kHelpContextProperty, static_cast<int>(help::kSkyEventsTopic));
}

void SkyEventsWindow::CreateViews() {
  auto* frame = new QWidget(this);
  frame->setAutoFillBackground(true);
  setCentralWidget(frame);
  auto* column = new QVBoxLayout(frame);

  auto* top = new QHBoxLayout;
  previous_ = ui_helpers::FrameButton(frame, tr("Pre&vious Year"), "cmdPreviousYear");
  next_ = ui_helpers::FrameButton(frame, tr("&Next Year"), "cmdNextYear");
  connect(previous_, &QPushButton::clicked, this, [this] { StepYear(-1); });
  connect(next_, &QPushButton::clicked, this, [this] { StepYear(1); });
  yearLabel_ = new QLabel(frame);
  yearLabel_->setObjectName(QStringLiteral("lblYear"));
  QFont yearFont = font();
  yearFont.setPointSize(kYearFontPoints);
  yearFont.setBold(true);
  yearLabel_->setFont(yearFont);
  placeLabel_ = new QLabel(frame);
  placeLabel_->setObjectName(QStringLiteral("lblPlace"));
  top->addWidget(previous_);
  top->addWidget(yearLabel_);
  top->addWidget(next_);
  top->addSpacing(12);
  top->addWidget(placeLabel_, 1);
  column->addLayout(top);

  model_ = new SkyEventsModel(this);
  grid_ = new ui_helpers::KeyboardTableView(frame);
  grid_->setObjectName(QStringLiteral("gridEvents"));
  grid_->setModel(model_);
  grid_->verticalHeader()->hide();
  grid_->horizontalHeader()->setStretchLastSection(true);
  grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // The details wrap inside their column; each row is as tall as its text.
  grid_->setWordWrap(true);
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  // A row taller than the view scrolls through, not past.
  grid_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // A Tab stop whose rows take the keyboard; Tab leaves for the buttons.
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setFocusPolicy(Qt::StrongFocus);
  grid_->setTabKeyNavigation(false);
  grid_->installEventFilter(this);
  // The cells keep the system's colours, as in the month table.
  grid_->setPalette(ui_helpers::ButtonPalette());
  column->addWidget(grid_, 1);

  bottom_ = new QWidget(frame);
  auto* buttons = new QHBoxLayout(bottom_);
  buttons->setContentsMargins(0, 0, 0, 0);
  QPushButton* print = ui_helpers::FrameButton(bottom_, tr("&Print"), "cmdPrint");
  QPushButton* copy = ui_helpers::FrameButton(bottom_, tr("&Copy to Clipboard"), "cmdCopy");
  QPushButton* close = ui_helpers::FrameButton(bottom_, tr("C&lose"), "cmdClose");
  connect(print, &QPushButton::clicked, this, &SkyEventsWindow::PrintList);
  connect(copy, &QPushButton::clicked, this, &SkyEventsWindow::CopyList);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  buttons->addStretch();
  for (QPushButton* b : {print, copy, close}) {
    buttons->addWidget(b);
    buttons->addStretch();
  }
  column->addWidget(bottom_);

  setTabOrder(previous_, next_);
  setTabOrder(next_, grid_);
  setTabOrder(grid_, print);
  setTabOrder(print, copy);
  setTabOrder(copy, close);
  // The list has the keyboard when the window opens.
  grid_->setFocus(Qt::OtherFocusReason);
}

void SkyEventsWindow::ApplyMainColours(const QColor& background, const QColor& text) {
  ui_helpers::ApplyFrameColours(centralWidget(), background, text);
}

bool SkyEventsWindow::eventFilter(QObject* watched, QEvent* event) {
  // The keyboard's cell is told as focused after the table's own focus event,
  // so that a screen reader reads the cell the keys will move from.
  if (watched == grid_ && event->type() == QEvent::FocusIn)
    QTimer::singleShot(0, grid_, [this] { AnnounceCurrentCell(); });
  return QMainWindow::eventFilter(watched, event);
}

void SkyEventsWindow::AnnounceCurrentCell() const {
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid_);
  const QModelIndex current = grid_->currentIndex();
  if (!QAccessible::isActive() || !grid_->hasFocus() || !current.isValid() || !table || !table->tableInterface()) return;
  if (QAccessibleInterface* cell = table->tableInterface()->cellAt(current.row(), current.column())) {
    QAccessibleEvent focus(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
  }
}

void SkyEventsWindow::showEvent(QShowEvent* event) {
  const MainWindowReading main = readMain_();
  ApplyMainColours(main.background, main.text);
  QMainWindow::showEvent(event);
}

void SkyEventsWindow::MakeList() {
  year_ = astro::DateOfDateTime(readMain_().state.CalcDate).year();
  Build();
  grid_->setFocus(Qt::OtherFocusReason);
}

void SkyEventsWindow::FollowMain() {
  const MainWindowReading main = readMain_();
  const astro::AstroState& now = main.state;
  const astro::AstroState& then = built_.state;
  const bool same = now.SiteLatitude == then.SiteLatitude && now.SiteLongitude == then.SiteLongitude &&
                    now.ZoneHours == then.ZoneHours && now.TimeType == then.TimeType &&
                    now.TimeFormat == then.TimeFormat && now.ShowSeconds == then.ShowSeconds &&
                    main.location == built_.location;
  if (!same) Build();
}

sky_events::EventClock SkyEventsWindow::Clock() const {
  // Times as the main window shows them, on its 12- or 24-hour clock.
  const astro::AstroState state = built_.state;
  constexpr double kMillisecondsPerDay = 86400000.0;
  return {ClockOf(YearAndPlaceOf(state, year_)), [state](QTime time) { return astro::TimeText(state, time.msecsSinceStartOfDay() / kMillisecondsPerDay); },
          {}};
}

std::vector<sky_events::SkyEvent> SkyEventsWindow::ShownEvents(const std::vector<sky_events::SkyEvent>& year) const {
  std::vector<sky_events::SkyEvent> shown;
  for (const sky_events::SkyEvent& e : year) {
    const bool eclipse = e.lunar || e.solar;
    const bool kind = eclipse ? eclipses_->isChecked() : e.apsis ? apsides_->isChecked() : seasons_->isChecked();
    const bool seen = !visibleOnly_->isChecked() || sky_events::VisibilityOf(e) != sky_events::Visibility::None;
    if (kind && seen) shown.push_back(e);
  }
  return shown;
}

void SkyEventsWindow::StepYear(int years) {
  year_ = std::clamp(year_ + years, kFirstYear, kLastYear);
  Build();
}

void SkyEventsWindow::Build() {
  built_ = readMain_();
  const YearAndPlace key = YearAndPlaceOf(built_.state, year_);
  model_->setEvents(ShownEvents(events_.Of(key)), Clock());
  grid_->setFont(built_.tableFont);
  FitColumns();
  yearLabel_->setText(QString::number(year_));
  yearLabel_->setAccessibleName(tr("Year %1").arg(year_));
  placeLabel_->setText(sky_events::EventTextLines({}, ListContext()).at(1));
  setWindowTitle(Title());
  grid_->setAccessibleName(tr("%1 at %2").arg(Title(), built_.location.SiteName));
  previous_->setEnabled(year_ > kFirstYear);
  next_->setEnabled(year_ < kLastYear);
  if (model_->rowCount() > 0) grid_->setCurrentIndex(model_->index(0, 0));
}

void SkyEventsWindow::FitColumns() {
  // Date, time and event as wide as their widest text, the event at most
  // kEventColumnEms wide (a perigee's note wraps); the details take the rest
  // of the width and wrap, each row as tall as its text.
  const QFontMetrics cells(grid_->font());
  const QFontMetrics names(grid_->horizontalHeader()->font());
  const EventCells columnNames = EventColumnNames();
  const int padding = 2 * cells.horizontalAdvance(QLatin1Char('M'));
  for (int c = 0; c + 1 < kEventColumnCount; ++c) {
    const auto column = static_cast<std::size_t>(c);
    int widest = names.horizontalAdvance(columnNames[column]);
    for (const EventCells& row : model_->rows()) widest = std::max(widest, cells.horizontalAdvance(row[column]));
    if (c == kEventColumn) widest = std::min(widest, kEventColumnEms * cells.horizontalAdvance(QLatin1Char('M')));
    grid_->horizontalHeader()->setSectionResizeMode(c, QHeaderView::Fixed);
    grid_->setColumnWidth(c, widest + padding);
  }
  grid_->horizontalHeader()->setSectionResizeMode(kEventColumnCount - 1, QHeaderView::Stretch);
  // However small the window is made, the details keep room enough that the
  // tallest row fits in the view and can be read whole.
  int fixed = 0;
  for (int c = 0; c + 1 < kEventColumnCount; ++c) fixed += grid_->columnWidth(c);
  const int em = cells.horizontalAdvance(QLatin1Char('M'));
  grid_->setMinimumSize(fixed + kLeastDetailsEms * em + grid_->verticalScrollBar()->sizeHint().width() +
                            2 * grid_->frameWidth(),
                        grid_->horizontalHeader()->sizeHint().height() + kLeastGridLines * cells.lineSpacing() +
                            2 * grid_->frameWidth());
}

QString SkyEventsWindow::Title() const { return tr("Sky Events for %1").arg(year_); }

sky_events::EventListContext SkyEventsWindow::ListContext() const {
  const YearAndPlace key = YearAndPlaceOf(built_.state, year_);
  const astro::ShownClock clock = ClockOf(key);
  return {built_.location.SiteName,
          built_.state.SiteLatitude,
          built_.state.SiteLongitude,
          key.zoneHours,
          month::TimeTypeName(built_.state.TimeType),
          QDate(year_, 1, 1),
          QDate(year_, 12, 31),
          clock.IsFixed() ? astro::ShownClock() : clock};
}

} // namespace sky_events_window
