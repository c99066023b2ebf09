// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_window.h"

#include "dates/calendar_dates.h"
#include "list_header.h"
#include "list_placement.h"
#include "month/copy_text.h"
#include "month/row_grouping.h"
#include "month/spoken_cells.h"
#include "month/table_texts.h"
#include "month_table_model.h"
#include "ui_helpers/button_palette.h"
#include "ui_helpers/day_layout.h"
#include "ui_helpers/focused_cell.h"
#include "ui_helpers/list_fonts.h"
#include "ui_helpers/text_fit.h"
#include "ui_helpers/window_placement.h"

#include <QBoxLayout>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <algorithm>
#include <QTimer>
#include <QWindow>
#include <cmath>
#include <utility>

namespace month_table_window {
namespace {

constexpr double kLastMinuteSample = 0.99; // day fraction: 23:46, the widest clock time
constexpr int kWindowFontPoints = 8;
constexpr int kHeaderFontPoints = 10;
constexpr int kHeaderLeft = 10;
constexpr int kFramePanelWidth = 8;
constexpr int kBottomPanelHeight = 34;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 22;
constexpr int kButtonTop = 6;
constexpr int kReservedBottom96 = 30; // room kept free at the screen's bottom
constexpr int kFrameLooks = 100;      // looks for the window manager's frame...
constexpr int kFrameLookMs = 50;      // ...this many milliseconds apart

QWidget* Panel(QWidget* parent, const char* name) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(QLatin1String(name));
  return panel;
}

} // namespace

TfrmList::TfrmList(QWidget* parent, settings::ListWindowSettings stored, MainWindowReader readMain)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      readMain_(std::move(readMain)), s_(std::move(stored)) {
  // FormCreate, in order.
  const QScreen* screen = QGuiApplication::primaryScreen();
  dpi_ = screen ? static_cast<int>(std::lround(screen->logicalDotsPerInch())) : 96;
  SampleDate = month::SampleDate();
  setObjectName(QStringLiteral("frmList"));
  setWindowTitle(tr("Vesperon List"));
  setFont(ui_helpers::SansSerifFont(kWindowFontPoints, dpi_));
  CreateViews();
  CreateMenus();
  ApplyGridLines();
  SG->setFont(TableFont());
  ResizeGrids();
  // Made on the screen from the start: a window manager that meets it off the
  // screen moves it by rules of its own.
  PlaceOnScreen(StoredFrame());
}

settings::ListWindowSettings TfrmList::SettingsToStore() const {
  settings::ListWindowSettings s = s_;
  const QRect frame = CurrentFrame();
  s.ListTop = frame.top();
  s.ListLeft = frame.left();
  s.ListHeight = frame.height();
  return s;
}

int TfrmList::S(int pixels) const { return ui_helpers::ScaleToDpi(pixels, dpi_); }

QFont TfrmList::TableFont() const { return ui_helpers::FaceFont(s_.SName, s_.SSize, s_.SBold, s_.SItalic); }

const month::MonthTable& TfrmList::table() const { return model_->table(); }

void TfrmList::CreateViews() {
  auto* frame = new QWidget(this);
  frame->setAutoFillBackground(true);
  setCentralWidget(frame);
  auto* column = new QVBoxLayout(frame);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  pnlTop = Panel(frame, "pnlTop");
  SGH = new ListHeader(pnlTop);
  SGH->setFont(ui_helpers::SansSerifFont(kHeaderFontPoints, dpi_));
  // In a layout, so that a right-to-left window puts it over the mirrored table.
  auto* headerRow = new QHBoxLayout(pnlTop);
  headerRow->setContentsMargins(S(kHeaderLeft), 0, 0, 0);
  headerRow->setSpacing(0);
  headerRow->addWidget(SGH, 0, Qt::AlignTop);
  headerRow->addStretch();
  column->addWidget(pnlTop);

  auto* middle = new QHBoxLayout;
  middle->setSpacing(0);
  QWidget* pnlLeft = Panel(frame, "pnlLeft");
  QWidget* pnpRight = Panel(frame, "pnpRight");
  pnlLeft->setFixedWidth(S(kFramePanelWidth));
  pnpRight->setFixedWidth(S(kFramePanelWidth));
  model_ = new MonthTableModel(this);
  SG = new QTableView(frame);
  SG->setObjectName(QStringLiteral("SG"));
  SG->setModel(model_);
  SG->setItemDelegate(new FlushRightDelegate(SG));
  SG->horizontalHeader()->hide();
  SG->verticalHeader()->hide();
  SG->horizontalHeader()->setMinimumSectionSize(1);
  SG->verticalHeader()->setMinimumSectionSize(1);
  SG->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  // A Tab stop whose cells take the keyboard: arrows move a cell, Page Up and
  // Down, Home and End scroll; Tab leaves for the buttons.
  SG->setSelectionMode(QAbstractItemView::SingleSelection);
  SG->setEditTriggers(QAbstractItemView::NoEditTriggers);
  SG->setFocusPolicy(Qt::StrongFocus);
  SG->setTabKeyNavigation(false);
  new ui_helpers::FocusedCellTeller(SG);
  // The cells keep the system's colours; the scroll bars take the button
  // colours rather than the main window's, which the frame passes on.
  SG->setPalette(ui_helpers::ButtonPalette());
  middle->addWidget(pnlLeft);
  middle->addWidget(SG);
  middle->addWidget(pnpRight);
  column->addLayout(middle);

  pnlBottom = Panel(frame, "pnlBottom");
  pnlBottom->setFixedHeight(S(kBottomPanelHeight));
  pnlBottom->installEventFilter(this);
  const auto button = [this](const QString& caption, const char* name, void (TfrmList::*handler)()) {
    auto* b = new QPushButton(caption, pnlBottom);
    b->setObjectName(QLatin1String(name));
    b->resize(S(kButtonWidth), S(kButtonHeight));
    b->setPalette(ui_helpers::ButtonPalette());
    connect(b, &QPushButton::clicked, this, handler);
    return b;
  };
  // The buttons share the window's Alt keys with the menu bar: their own
  // texts, apart from the menus' items of the same words.
  cmdPrint = button(tr("&Print", "button"), "cmdPrint", &TfrmList::PrettyPrint);
  cmdCopy = button(tr("&Copy to Clipboard"), "cmdCopy", &TfrmList::CopyList);
  cmdClose = button(tr("C&lose"), "cmdClose", &TfrmList::listExit); // Alt+O stays the Options menu's
  // The three stay alike, each wide enough for the longest caption.
  int buttonWidth = S(kButtonWidth);
  for (const QPushButton* b : {cmdPrint, cmdCopy, cmdClose})
    buttonWidth = std::max(buttonWidth, ui_helpers::ButtonWidthForText(*b));
  for (QPushButton* b : {cmdPrint, cmdCopy, cmdClose}) b->resize(buttonWidth, b->height());
  // Tab follows the buttons as shown, left to right, after the table.
  setTabOrder(SG, cmdPrint);
  setTabOrder(cmdPrint, cmdCopy);
  setTabOrder(cmdCopy, cmdClose);
  column->addWidget(pnlBottom);
}

void TfrmList::ApplyGridLines() {
  SG->setShowGrid(s_.GridLines);
  SG->setGridStyle(Qt::SolidLine);
}

void TfrmList::ResizeGrids() {
  const MainWindowReading main = readMain_();
  columns_ = MeasureColumns({SG->font(), SGH->font(), SampleDate,
                             month::ListTime(kLastMinuteSample, main.TFormat, main.state.TimeType), dpi_, s_.GridLines});
  // A shown grid line takes the last pixel of its row and column.
  const int gridLine = s_.GridLines ? 1 : 0;
  SG->verticalHeader()->setDefaultSectionSize(columns_.rowHeight + gridLine);
  for (int c = 0; c < month::kColumnCount; ++c) SG->setColumnWidth(c, columns_.header[static_cast<std::size_t>(c)]);
  SGH->setColumns(columns_.header, columns_.headerRowHeight);
  SGH->setFixedWidth(Sum(columns_.header));
  pnlTop->setFixedHeight(SGH->height() + 2);
  // Wide enough for the three buttons, spaced as PlaceButtons spaces them
  // (as far from each other as from the window's edges), however long their
  // translated texts.
  resize(std::max(columns_.windowWidth, 3 * cmdCopy->width() + 4 * S(kFramePanelWidth)), height());
}

void TfrmList::PlaceButtons() {
  const int w = pnlBottom->width();
  const int buttonWidth = cmdCopy->width();
  const int copyLeft = w / 2 - buttonWidth / 2;
  const int printLeft = copyLeft / 2 - buttonWidth / 2;
  const int closeLeft = printLeft + copyLeft + buttonWidth;
  cmdCopy->move(copyLeft, S(kButtonTop));
  cmdPrint->move(printLeft, S(kButtonTop));
  cmdClose->move(closeLeft, S(kButtonTop));
}

bool TfrmList::eventFilter(QObject* watched, QEvent* event) {
  if (watched == pnlBottom && event->type() == QEvent::Resize) PlaceButtons();
  return QMainWindow::eventFilter(watched, event);
}

void TfrmList::ApplyMainColours(const QColor& background, const QColor& text) {
  QPalette palette = centralWidget()->palette();
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::WindowText, text);
  centralWidget()->setPalette(palette);
  pnlBottom->setPalette(palette);
  centralWidget()->update();
}

void TfrmList::showEvent(QShowEvent* event) {
  const MainWindowReading main = readMain_();
  ApplyMainColours(main.background, main.text);
  QMainWindow::showEvent(event);
  if (std::exchange(shownOnce_, true)) {
    PlaceOnScreen(CurrentFrame());
    return;
  }
  // The stored place and height are the frame's. Until the window manager
  // tells this window's border widths, the main window's (framed by the same
  // window manager) stand in. The window manager frames the window, and may
  // move it, whenever it comes to it: the window is placed again after every
  // move or resize and every 50 ms until it stands framed where it belongs.
  PlaceOnScreen(StoredFrame());
  framingLooksLeft_ = kFrameLooks;
  PlaceUntilFramed();
}

void TfrmList::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  if (framingLooksLeft_ > 0) PlaceOnScreen(StoredFrame());
}

void TfrmList::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (framingLooksLeft_ > 0) PlaceOnScreen(StoredFrame());
}

void TfrmList::PlaceUntilFramed() {
  if (framingLooksLeft_ <= 0) return;
  const bool framed = !OwnFrameMargins().isNull() && windowHandle() && windowHandle()->isExposed();
  if (framed && CurrentFrame() == PlacedFrame(StoredFrame())) {
    framingLooksLeft_ = 0;
    return;
  }
  PlaceOnScreen(StoredFrame());
  if (--framingLooksLeft_ > 0) QTimer::singleShot(kFrameLookMs, this, &TfrmList::PlaceUntilFramed);
}

QMargins TfrmList::OwnFrameMargins() const {
  const QWindow* native = windowHandle();
  return native ? native->frameMargins() : QMargins();
}

QMargins TfrmList::FrameMargins() const {
  const QMargins own = OwnFrameMargins();
  const QWidget* main = parentWidget() ? parentWidget()->window() : nullptr;
  if (!own.isNull() || !main || !main->windowHandle()) return own;
  return main->windowHandle()->frameMargins();
}

QRect TfrmList::CurrentFrame() const { return geometry().marginsAdded(FrameMargins()); }

QRect TfrmList::StoredFrame() const {
  const QMargins margins = FrameMargins();
  return {ui_helpers::WithinReach(s_.ListLeft), ui_helpers::WithinReach(s_.ListTop),
          width() + margins.left() + margins.right(), ui_helpers::WithinReach(s_.ListHeight)};
}

QRect TfrmList::PlacedFrame(QRect frame) const {
  const QScreen* screen = this->screen();
  if (!screen) return frame;
  return PlaceListWindow(frame, FrameMargins(), screen->geometry(),
                         static_cast<int>(std::lround(kReservedBottom96 * dpi_ / 96.0)));
}

void TfrmList::PlaceOnScreen(QRect frame) {
  // The window without its frame: a move() would place the frame only once
  // Qt knows it.
  const QRect client = PlacedFrame(frame).marginsRemoved(FrameMargins());
  if (client != geometry()) setGeometry(client);
}

void TfrmList::MakeList() {
  const MainWindowReading main = readMain_();
  const month::ListOptions options{main.TFormat, main.Twilight, main.SunStart, s_.Group5, s_.Group7};
  // The keyboard's cell keeps its day and column across a rebuild of the same
  // month; another month starts on the day view's day.
  const QModelIndex was = SG->currentIndex();
  const dates::ShownDate before = dates::SplitDate(built_.state.CalcDate);
  const dates::ShownDate now = dates::SplitDate(main.state.CalcDate);
  const bool sameMonth = was.isValid() && before.year == now.year && before.month == now.month;
  const int keptDay = sameMonth ? table().rowDays[static_cast<std::size_t>(was.row())] : 0; // 0: a blank row
  const int day = keptDay != 0 ? keptDay : now.day;
  model_->setTable(month::ComputeMonthTable(main.state, options));
  built_ = main;
  builtSampleTime_ = month::ListTime(kLastMinuteSample, main.TFormat, main.state.TimeType);
  setWindowTitle(table().Caption);
  // A new grouping is announced by the table's name.
  SG->setAccessibleName(month::SpokenTableName(table(), month::ResolveGrouping(s_.Group5, s_.Group7)));
  const auto row = std::find(table().rowDays.begin(), table().rowDays.end(), day);
  if (row != table().rowDays.end()) {
    const int shownRow = static_cast<int>(row - table().rowDays.begin());
    SG->setCurrentIndex(model_->index(shownRow, was.isValid() ? was.column() : 0));
  }
}

} // namespace month_table_window
