// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window.h"

#include "places/place_zone.h"

#include "about/about_box.h"
#include "astro/display.h"
#include "click_area.h"
#include "click_hints.h"
#include "colours/colour_panel.h"
#include "day/day_computation.h"
#include "day/readable_day.h"
#include "day/status_texts.h"
#include "day/time_settings.h"
#include "day_canvas.h"
#include "day_painter.h"
#include "help/help_key.h"
#include "menu_item_accessible.h"
#include "month_table_window/list_window.h"
#include "month/table_texts.h"
#include "moon_box.h"
#include "places/place_zone.h"
#include "settings/list_window_settings.h"
#include "settings/locale_habits.h"
#include "settings/settings_store.h"
#include "settings/settings_store_save.h"
#include "settings/store_snapshot.h"
#include "settings/stored_location.h"
#include "sky_events_window/sky_events_window.h"
#include "status_strip.h"
#include "ui_helpers/clickable_label.h"
#include "ui_helpers/colour_conversion.h"
#include "ui_helpers/moon_disc.h"
#include "ui_helpers/window_placement.h"

#include <QApplication>
#include <QDateTime>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace main_window {

using ui_helpers::ToQColor;

namespace {

constexpr int kClientWidth = 259; // pixels at 96 dpi
constexpr int kCalendarTop = 160;
constexpr int kCharacterHeight = 13;

// The system's sans-serif face at the largest pixel size whose line height fits
// the layout's character height.
QFont DayViewFont(int characterHeight) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setStyleHint(QFont::SansSerif);
  for (int pixels = characterHeight; pixels > 6; --pixels) {
    font.setPixelSize(pixels);
    if (QFontMetrics(font).height() <= characterHeight) break;
  }
  return font;
}

} // namespace

TfrmVesperon::TfrmVesperon(QString storePath, QWidget* parent, places::LocationFilePaths locationFiles)
    : QMainWindow(parent), storePath_(storePath.isEmpty() ? settings::SettingsStorePath() : std::move(storePath)),
      locationFiles_(locationFiles.readPath.isEmpty() ? places::DefaultLocationFilePaths() : std::move(locationFiles)) {
  // FormCreate, in order.
  setWindowTitle(QStringLiteral(" Vesperon"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  ScaleLayout();
  CreateViews();
  CreateLowerPanels();
  InstallMenuItemReading(); // before a menu is read
  CreateMenus();
  ConnectLowerPanels();
  LoadSettings();
  pnlColor_->UpdateGridColour();
  PlaceMoonBox();
  ApplyColours();
  ApplyTimeSettings();
  today_ = clock_().date();
  state_.CalcDate = astro::DateTimeOfDate(today_);
  calendar_->CalendarInit(); // ends in the first ShowDay
  for (int n = 1; n <= 13; ++n) SyncMenuItem(n);
  ShowStatusPanels();
  UpdateLayout();
  KeepOnScreen();

  Timer1 = new QTimer(this);
  connect(Timer1, &QTimer::timeout, this, &TfrmVesperon::Timer1Timer);
  Timer1->start(1000);
  qApp->installEventFilter(this);
  // A session that ends (a logout) writes what a close writes, without the
  // closing questions: nobody may be there to answer them.
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { (void)SaveSettings(); });
  help::InstallHelpKey();
  // The window holds the keyboard for the calendar. Whenever it takes the
  // focus back (at start-up, after a panel, a window, a message box or the
  // menu bar), the calendar's selected cell is told as focused, after the
  // window's own focus event.
  setFocus(Qt::OtherFocusReason);
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now != this) return;
    // Once the panel that gave the focus back has gone.
    QTimer::singleShot(0, this, [this] {
      if (QApplication::focusWidget() == this && lowerView_ == LowerView::Calendar) calendar_->AnnounceFocus();
    });
  });
}

TfrmVesperon::~TfrmVesperon() {
  qApp->removeEventFilter(this);
  // A window closed by the user has saved already, and reported a failure.
  if (!settingsSaved_) (void)SaveSettings();
}

void TfrmVesperon::EndWithoutQuestions() {
  (void)SaveSettings(); // a failure is logged: there is nobody to tell
  QCoreApplication::exit(0);
}

int TfrmVesperon::S(int pixels) const { return ui_helpers::ScaleToDpi(pixels, dpi_); }

void TfrmVesperon::ScaleLayout() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  dpi_ = screen ? static_cast<int>(std::lround(screen->logicalDotsPerInch())) : 96;
  if (dpi_ == 96) return;
  rects_ = ui_helpers::ScaledTextRects(dpi_);
  metrics_ = ui_helpers::ScaledLayoutMetrics(dpi_);
}

void TfrmVesperon::CreateViews() {
  canvas_ = new DayCanvas(this, [this](QPainter& painter) {
    PaintDayText(painter, {view_, rects_, metrics_, ToQColor(settings_.Background), ToQColor(settings_.Text), font(),
                           settings_.Phase, settings_.FormLength});
  });
  canvas_->setRows([this] { return CanvasRows(); });
  DayCanvas::installAccessibility();
  setCentralWidget(canvas_);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  setFont(DayViewFont(S(kCharacterHeight)));

  moonBox_ = new MoonBox(canvas_);
  connect(moonBox_, &MoonBox::leftClicked, this, &TfrmVesperon::FlipPhase);
  connect(moonBox_, &MoonBox::rightClicked, this, &TfrmVesperon::FlipBigMoon);

  calendar_ = new calendar_panel::CalendarPanel(canvas_, state_.CalcDate, calendarOptions_, [this] { ShowDay(); },
                                          [this](int pixels) { return S(pixels); });
  calendar_->move(0, S(kCalendarTop));

  const auto area = [this](int left, int top, int width, int height, const char* hint) {
    auto* a = new ClickArea(canvas_, ClickHint(hint));
    a->setGeometry(S(left), S(top), S(width), S(height));
    return a;
  };
  connect(area(0, 0, 257, 16, kReturnToTodayHint), &ClickArea::leftClicked, this, &TfrmVesperon::ReturnToToday);
  connect(area(72, 24, 122, 17, kTwilightTypeHint), &ClickArea::leftClicked, this, &TfrmVesperon::CycleTwilight);
  connect(area(72, 80, 122, 17, kTwilightTypeHint), &ClickArea::leftClicked, this, &TfrmVesperon::CycleTwilight);
  connect(area(64, 104, 129, 50, kTransitHint), &ClickArea::leftClicked, this, &TfrmVesperon::FlipTransit);
  connect(area(200, 40, 41, 114, kAzimuthHint), &ClickArea::leftClicked, this,
          &TfrmVesperon::FlipAzimuth);

  auto* status = new ui_helpers::ClickableLabel(canvas_);
  status->setObjectName("lblStatus");
  status->setAlignment(Qt::AlignCenter);
  status->setToolTip(ClickHint(kStatusLineHint));
  status->resize(S(kClientWidth), S(20));
  connect(status, &ui_helpers::ClickableLabel::pressed, this, [this](Qt::MouseButton button) {
    if (button == Qt::LeftButton) FlipStatus();
    else if (button == Qt::RightButton) ToggleColourPanel();
  });
  // The line is read by its whole text (ShowStatusLabel); for a moment its
  // name tells what a key did that shows nowhere else (Ctrl+T, Ctrl+R).
  lblStatus_ = status;

  phaseClickArea_ = new ClickArea(canvas_, ClickHint(kPhaseRowsHint));
  phaseClickArea_->setGeometry(S(18), S(302), S(223), 0);
  connect(phaseClickArea_, &ClickArea::leftClicked, this, &TfrmVesperon::FlipFormLength);

  statusStrip_ = new StatusStrip(canvas_, [this](int pixels) { return S(pixels); });
  connect(statusStrip_, &StatusStrip::timeTypeClicked, this, &TfrmVesperon::CycleTimeType);
  connect(statusStrip_, &StatusStrip::twilightClicked, this, &TfrmVesperon::CycleTwilight);
  connect(statusStrip_, &StatusStrip::clockClicked, this, &TfrmVesperon::FlipTFormat);
}

void TfrmVesperon::LoadSettings() {
  const settings::StoreSnapshot store(storePath_);
  storeProblem_ = store.problem();
  storeNotice_ = settings::StoredLocationNotices(store.values(), storePath_).join(QStringLiteral("\n\n"));
  settings_ = settings::LoadSettings(store.values(), QDateTime::currentDateTime().isDaylightTime(),
                                     settings::LocaleHabitDefaults());
  storedSettings_ = settings_;
  state_.TimeType = settings_.TimeType;
  state_.WantTransit = settings_.WantTransit;
  state_.WantAzimuth = settings_.WantAzimuth;
  state_.SiteLatitude = settings_.Location.SiteLatitude;
  state_.SiteLongitude = settings_.Location.SiteLongitude;
  calendarOptions_ = {settings_.SunStart, settings_.LD, settings_.DC};
  // Qt keeps the window's rectangle in int: a stored corner near its limit
  // would wrap the rectangle's far edge.
  move(ui_helpers::WithinReach(settings_.Left), ui_helpers::WithinReach(settings_.Top));
}

settings::SettingsStoreSave TfrmVesperon::SaveSettings() {
  settings::Settings out = settings_;
  out.TimeType = state_.TimeType;
  out.WantTransit = state_.WantTransit;
  out.WantAzimuth = state_.WantAzimuth;
  out.TFormat = settings::TFormatToStore(settings_.TFormat, state_.ShowSeconds, TFormatBeforeSeconds);
  out.SunStart = calendarOptions_.SunStart;
  out.LD = calendarOptions_.LD;
  out.DC = calendarOptions_.DC;
  out.Top = y();
  out.Left = x();
  if (frmSkyEvents_) out.SkyEventsSaveDir = frmSkyEvents_->saveFolder();
  // The user was told at start that a store that could not be read is left
  // alone.
  if (!storeProblem_.isEmpty()) return {true, {}};
  const settings::ListWindowSettings list = frmList_ ? frmList_->SettingsToStore() : storedListSettings_;
  const settings::SettingsStoreSave saved = settings::SaveSettingsStore(storePath_, [&](QSettings& store) {
    settings::SaveChangedSettings(store, storedSettings_, out);
    if (frmList_) settings::SaveChangedListWindowSettings(store, storedListSettings_, list);
  });
  if (!saved.ok) qWarning("%s", qPrintable(saved.error));
  settingsSaved_ = saved.ok;
  if (saved.ok) {
    // The location and the view are kept only through the closing questions.
    out.Location = storedSettings_.Location;
    out.NH = storedSettings_.NH;
    storedSettings_ = out;
    storedListSettings_ = list;
  }
  return saved;
}

void TfrmVesperon::PlaceMoonBox() {
  const ui_helpers::LayoutMetricTable& m = metrics_;
  const QRect bounds = settings_.BigMoon
                           ? QRect(m[ui_helpers::kBigMoonLeft], m[ui_helpers::kBigMoonTop], m[ui_helpers::kBigMoonSize], m[ui_helpers::kBigMoonSize])
                           : QRect(m[ui_helpers::kLittleMoonLeft],
                                   state_.WantTransit ? m[ui_helpers::kLittleMoonTopWithTransit] : m[ui_helpers::kLittleMoonTopWithoutTransit],
                                   m[ui_helpers::kLittleMoonSize], m[ui_helpers::kLittleMoonSize]);
  moonBox_->place(bounds);
}

void TfrmVesperon::ApplyColours() {
  QPalette palette = canvas_->palette();
  palette.setColor(QPalette::Window, ToQColor(settings_.Background));
  palette.setColor(QPalette::WindowText, ToQColor(settings_.Text));
  canvas_->setPalette(palette);
  canvas_->update();
  if (frmList_) frmList_->ApplyMainColours(ToQColor(settings_.Background), ToQColor(settings_.Text));
  if (frmSkyEvents_) frmSkyEvents_->ApplyMainColours(ToQColor(settings_.Background), ToQColor(settings_.Text));
  if (frmCharts_) frmCharts_->ApplyMainColours(ToQColor(settings_.Background), ToQColor(settings_.Text));
}

void TfrmVesperon::ApplyTimeSettings() {
  // A place stored before its zone was kept takes the one its name gives.
  const settings::SiteLocation& place = settings_.Location;
  const QString zoneId = place.SiteZoneId.isEmpty()
                             ? places::ZoneIdOfPlace(place, places::LocationList{}, places::ShippedPlaceDetails())
                             : place.SiteZoneId;
  day::SetLocalClock(state_, zoneId, place.SiteTimeZone);
  day::ApplyTimeSettings(state_, settings_.TFormat, settings_.Location.SiteTimeZone, view_.Phases);
}

void TfrmVesperon::DrawDisc() {
  ui_helpers::DrawMoonDisc(moonBox_->bitmap(), ToQColor(settings_.Moon), ToQColor(settings_.Background),
               static_cast<float>(view_.IllumPercent), settings_.NH);
  DescribeMoon();
  moonBox_->update();
}

void TfrmVesperon::ShowAbout() {
  about::ShowAboutBox({static_cast<float>(view_.IllumPercent), ToQColor(settings_.Moon), ToQColor(settings_.Background),
                       settings_.NH},
                      this);
}

void TfrmVesperon::ShowDay() {
  day::ComputeDay(state_, {settings_.Twilight, settings_.Phase, settings_.FormLength, JulianLine}, view_);
  DrawDisc();
  ShowStatusLabel();
  ShowStatusPanels(); // the time box names the clock of the shown date
  calendar_->SetDaySummary(day::DaySummary(view_, statusLine_));
  // An open Sky Events window follows the place and the clock.
  if (frmSkyEvents_ && frmSkyEvents_->isVisible()) frmSkyEvents_->FollowMain();
  canvas_->update();
  canvas_->announceRows();
  if (frmCharts_ && frmCharts_->isVisible()) frmCharts_->FollowMain();
}

void TfrmVesperon::ShowStatusPanels() {
  statusStrip_->setTexts(
      day::StatusPanelTextsOf(settings_.Location.SiteName, state_, settings_.Twilight, clock_().time()),
      month::TimeTypeName(state_.TimeType));
}

void TfrmVesperon::SetClock(std::function<QDateTime()> clock) {
  clock_ = std::move(clock);
  today_ = clock_().date();
}

void TfrmVesperon::Timer1Timer() {
  const QDateTime now = clock_();
  const QTime time = now.time();
  statusStrip_->setClockText(day::ClockText(time, state_.TimeFormat), day::SpokenClockText(time, state_.TimeFormat));
  FollowToday(now.date());
}

void TfrmVesperon::FollowToday(QDate date) {
  const QDate before = std::exchange(today_, date);
  if (date != before && astro::DateOfDateTime(state_.CalcDate) == before) GoToDate(astro::DateTimeOfDate(date));
}

void TfrmVesperon::UpdateLayout() {
  const ui_helpers::WindowLayout layout = ui_helpers::ComputeWindowLayout(settings_.Phase, settings_.Status, settings_.FormLength, metrics_);
  statusStrip_->hide();
  canvas_->setFixedSize(S(kClientWidth), layout.clientHeight);
  statusStrip_->setGeometry(0, layout.clientHeight - metrics_[ui_helpers::kStatusBarHeight], S(kClientWidth),
                            metrics_[ui_helpers::kStatusBarHeight]);
  statusStrip_->setVisible(layout.statusBarVisible);
  lblStatus_->move(0, layout.statusLabelTop);
  phaseClickArea_->resize(phaseClickArea_->width(), layout.phaseClickHeight);
  phaseClickArea_->setVisible(layout.phaseClickHeight > 0);
  adjustSize();
}

QMargins TfrmVesperon::FrameMargins() const {
  const QWindow* native = windowHandle();
  return native ? native->frameMargins() : QMargins();
}

void TfrmVesperon::KeepOnScreen() {
  const QScreen* screen = this->screen();
  if (!screen) return;
  move(ui_helpers::KeepWindowOnScreen({settings_.Left, settings_.Top}, size(), FrameMargins(), screen->geometry()));
}

void TfrmVesperon::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The stored place is the frame's top-left corner; place the window again
  // now that it has a frame, and once more when the window manager has told
  // its border widths (they arrive with a later move).
  if (std::exchange(shownOnce_, true)) return;
  framePlaced_ = !FrameMargins().isNull();
  KeepOnScreen();
  if (!storeProblem_.isEmpty()) {
    QTimer::singleShot(0, this, [this] {
      QMessageBox::warning(this, QStringLiteral("Vesperon"),
                           tr("%1\n\nVesperon starts with its default settings and does not save them to that file.")
                               .arg(storeProblem_));
    });
  } else if (!storeNotice_.isEmpty()) {
    QTimer::singleShot(0, this, [this] { QMessageBox::information(this, QStringLiteral("Vesperon"), storeNotice_); });
  }
}

void TfrmVesperon::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  if (shownOnce_ && !framePlaced_ && !FrameMargins().isNull()) {
    framePlaced_ = true;
    KeepOnScreen();
  }
}

bool TfrmVesperon::eventFilter(QObject* watched, QEvent* event) {
  // The window sees keys before its controls: while the calendar shows, its
  // keys move the date whichever control of this window has the focus (but
  // the menu bar, walked with the arrows after Alt, keeps them).
  if (event->type() == QEvent::KeyPress && announcing_) NameStatusLine(statusLine_);
  if (event->type() == QEvent::KeyPress && lowerView_ == LowerView::Calendar) {
    const auto* widget = qobject_cast<QWidget*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (widget && widget->window() == this && !qobject_cast<const QMenuBar*>(widget) &&
        calendar_->CalendarKey(key->key(), key->modifiers()))
      return true;
  }
  // A quit the window did not ask for (the session manager's at a logout, or
  // SIGTERM): after a close the window is hidden already.
  if (watched == qApp && event->type() == QEvent::Quit && isVisible()) {
    EndWithoutQuestions();
    return true;
  }
  // With hints off, no control of this window shows its tooltip.
  if (event->type() == QEvent::ToolTip && !settings_.Hints) {
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && widget->window() == this) return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

} // namespace main_window
