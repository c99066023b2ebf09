// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts_window.h"

#include "astro/display.h"
#include "chart_view.h"
#include "help/help_key.h"
#include "help/help_topics.h"
#include "charts/altitude_scene.h"
#include "charts/chart_summary.h"
#include "charts/daylight_scene.h"
#include "ui_helpers/list_fonts.h"
#include "ui_helpers/window_frame.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace charts_window {
namespace {

constexpr int kWindowFontPoints = 9;
constexpr int kWindowWidth96 = 980; // pixels at 96 dpi
constexpr int kWindowHeight96 = 720;
const QDate kFirstDate(1, 1, 1);
const QDate kLastDate(9999, 12, 30); // the altitude chart runs to the next day's noon

} // namespace

ChartsWindow::ChartsWindow(QWidget* parent, MainWindowReader readMain)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                              Qt::WindowCloseButtonHint),
      readMain_(std::move(readMain)) {
  setObjectName(QStringLiteral("frmCharts"));
  const int dpi = ui_helpers::PrimaryScreenDpi();
  setFont(ui_helpers::SansSerifFont(kWindowFontPoints, dpi));
  CreateViews();
  CreateMenus();
  resize(kWindowWidth96 * dpi / 96, kWindowHeight96 * dpi / 96);
  // F1 shows the window's topic, over the window and in its menus.
  setProperty(help::kHelpContextProperty, static_cast<int>(help::kChartsTopic));
}

void ChartsWindow::CreateViews() {
  auto* frame = new QWidget(this);
  frame->setAutoFillBackground(true);
  setCentralWidget(frame);
  auto* column = new QVBoxLayout(frame);

  auto* top = new QHBoxLayout;
  auto* chooserLabel = new QLabel(tr("&Show:"), frame);
  chooser_ = new QComboBox(frame);
  chooser_->setObjectName(QStringLiteral("cboChart"));
  chooser_->addItems({tr("Daylight of the year"), tr("Altitude of the night")});
  chooserLabel->setBuddy(chooser_);
  connect(chooser_, &QComboBox::activated, this,
          [this](int index) { ShowChart(index == 0 ? ChartKind::Daylight : ChartKind::Altitude); });
  previous_ = ui_helpers::FrameButton(frame, tr("Pre&vious"), "cmdPrevious");
  next_ = ui_helpers::FrameButton(frame, tr("&Next"), "cmdNext");
  connect(previous_, &QPushButton::clicked, this, [this] { Step(-1); });
  connect(next_, &QPushButton::clicked, this, [this] { Step(1); });
  shown_ = new QLabel(frame);
  shown_->setObjectName(QStringLiteral("lblShown"));
  QFont bold = font();
  bold.setBold(true);
  shown_->setFont(bold);
  top->addWidget(chooserLabel);
  top->addWidget(chooser_);
  top->addSpacing(12);
  top->addWidget(previous_);
  top->addWidget(shown_);
  top->addWidget(next_);
  top->addStretch();
  column->addLayout(top);

  view_ = new ChartView(frame);
  column->addWidget(view_, 1);

  // What the chart shows in words, for everyone and for a screen reader.
  summary_ = new QLabel(frame);
  summary_->setObjectName(QStringLiteral("lblSummary"));
  summary_->setWordWrap(true);
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  summary_->setFocusPolicy(Qt::StrongFocus);
  column->addWidget(summary_);

  auto* buttons = new QHBoxLayout;
  QPushButton* print = ui_helpers::FrameButton(frame, tr("&Print"), "cmdPrint");
  QPushButton* copy = ui_helpers::FrameButton(frame, tr("&Copy to Clipboard"), "cmdCopy");
  QPushButton* close = ui_helpers::FrameButton(frame, tr("C&lose"), "cmdClose");
  connect(print, &QPushButton::clicked, this, &ChartsWindow::PrintChart);
  connect(copy, &QPushButton::clicked, this, &ChartsWindow::CopyChart);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  buttons->addStretch();
  for (QPushButton* b : {print, copy, close}) {
    buttons->addWidget(b);
    buttons->addStretch();
  }
  column->addLayout(buttons);

  setTabOrder(chooser_, previous_);
  setTabOrder(previous_, next_);
  setTabOrder(next_, view_);
  setTabOrder(view_, summary_);
  setTabOrder(summary_, print);
  setTabOrder(print, copy);
  setTabOrder(copy, close);
}

void ChartsWindow::ApplyMainColours(const QColor& background, const QColor& text) {
  ui_helpers::ApplyFrameColours(centralWidget(), background, text);
}

void ChartsWindow::showEvent(QShowEvent* event) {
  const MainWindowReading main = readMain_();
  ApplyMainColours(main.background, main.text);
  QMainWindow::showEvent(event);
}

void ChartsWindow::FollowMain() {
  date_ = std::clamp(astro::DateOfDateTime(readMain_().state.CalcDate), kFirstDate, kLastDate);
  year_ = date_.year();
  Build();
}

void ChartsWindow::ShowChart(ChartKind kind) {
  kind_ = kind;
  Build();
}

void ChartsWindow::Step(int steps) {
  const QDate stepped = kind_ == ChartKind::Daylight ? date_.addYears(steps) : date_.addDays(steps);
  date_ = std::clamp(stepped, kFirstDate, kLastDate);
  year_ = date_.year();
  Build();
}

charts::ChartClock ChartsWindow::Clock() const { return {built_.location, built_.tFormat, built_.state.TimeType}; }

const charts::DaylightChart& ChartsWindow::Daylight() {
  const DaylightKey key{year_,
                        built_.state.SiteLatitude,
                        built_.state.SiteLongitude,
                        built_.state.ZoneHours,
                        built_.state.TimeType,
                        built_.tFormat,
                        built_.location.SiteName,
                        built_.today};
  if (!daylightKey_ || !(*daylightKey_ == key)) {
    daylight_ = charts::ComputeDaylightChart(built_.state, Clock(), year_, built_.today);
    daylightKey_ = key;
  }
  return daylight_;
}

void ChartsWindow::Build() {
  built_ = readMain_();
  const bool daylight = kind_ == ChartKind::Daylight;
  QString summary;
  if (daylight) {
    summary = charts::DaylightSummary(Daylight());
    shown_->setText(QString::number(year_));
  } else {
    altitude_ = charts::ComputeAltitudeChart(built_.state, Clock(), date_);
    summary = charts::AltitudeSummary(altitude_);
    shown_->setText(QLocale().toString(date_, QLocale::ShortFormat));
  }
  chooser_->setCurrentIndex(daylight ? 0 : 1);
  previous_->setText(daylight ? tr("Pre&vious Year") : tr("Pre&vious Day"));
  next_->setText(daylight ? tr("&Next Year") : tr("&Next Day"));
  previous_->setEnabled(daylight ? year_ > kFirstDate.year() : date_ > kFirstDate);
  next_->setEnabled(daylight ? year_ < kLastDate.year() : date_ < kLastDate);
  summary_->setText(summary);
  setWindowTitle(Title());
  view_->setSceneMaker([this](QSizeF size) { return SceneFor(size); });
}

QString ChartsWindow::Title() const { return kind_ == ChartKind::Daylight ? daylight_.title : altitude_.title; }

charts::Scene ChartsWindow::SceneFor(QSizeF size) const {
  return kind_ == ChartKind::Daylight ? charts::DaylightScene(daylight_, size) : charts::AltitudeScene(altitude_, size);
}

} // namespace charts_window
