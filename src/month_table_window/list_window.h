// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The month table window (TfrmList): a two-row header over a grid of the
// month's days, three buttons below, and the File and Options menus. The main
// window creates it on the first List command; closing only hides it. The
// main window reads its settings for it and saves them with its own.

#include "astro/astro_state.h"
#include "list_columns.h"
#include "list_export.h"
#include "month/copy_text.h"
#include "month/month_table.h"
#include "settings/settings_values.h"

#include <QColor>
#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>

class QActionGroup;
class QMenu;
class QPushButton;
class QTableView;

namespace month_table_window {

class ListHeader;
class MonthTableModel;

// What the window reads from the main window at the moment of a List, a copy,
// a print or a show.
struct MainWindowReading {
  astro::AstroState state; // CalcDate, site, zone and TimeType of the day view
  int TFormat = 0;         // 0 twelve-hour clock, other values twenty-four-hour
  int Twilight = 2;        // 0 astronomical, 1 nautical, other values civil
  bool SunStart = true;    // weeks begin on Sunday
  settings::SiteLocation location;
  QColor background; // the main window's Background colour
  QColor text;       // its Text colour
};

using MainWindowReader = std::function<MainWindowReading()>;

class TfrmList : public QMainWindow {
  Q_OBJECT
public:
  // stored holds the window's values as read from the settings store;
  // readMain reads the main window's current state.
  TfrmList(QWidget* parent, settings::ListWindowSettings stored, MainWindowReader readMain);

  // The values to store: the framed window's top, left and height, the rest
  // as chosen.
  settings::ListWindowSettings SettingsToStore() const;

  // Rebuilds the table for the main window's month, site and clock.
  void MakeList();
  // Recolours the window's frame and header: the main window's Background and
  // Text colours. Runs on every show and whenever the main window's colours
  // change.
  void ApplyMainColours(const QColor& background, const QColor& text);

  // The copy (Copy button, Ctrl+C) and the two prints (Print button, Ctrl+P;
  // Ctrl+Q).
  void CopyList();
  void PrettyPrint();
  void QuickPrint();

  // The File menu's saves (the shown month as a calendar file, the CSV and
  // the text copy modes as files) and the one-page year table print.
  void SaveAsCalendar();
  void SaveAsCsv();
  void SaveAsText();
  void PrintYearTable();
  // The file and event questions those ask (the dialogs unless replaced).
  void setExportChoosers(ExportChoosers choosers);

  // Menu commands.
  void listFont();
  // The font the font dialog returned: sizes outside 8 to 14 points are
  // brought to the nearest limit.
  void ApplyChosenFont(const QFont& font);
  void listGroup();
  void mnuGroup7Click();
  void mnuGridClick();
  void mnuCopyMode(int cMode);
  void listExit();

  // Read access for tests and benchmarks.
  const month::MonthTable& table() const;
  const ListColumns& columns() const { return columns_; }
  const settings::ListWindowSettings& listSettings() const { return s_; }
  QTableView* grid() const { return SG; }
  ListHeader* header() const { return SGH; }
  QAction* menuAction(const QString& objectName) const;

protected:
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void CreateViews();
  void CreateMenus();
  void ApplyGridLines();
  // Turns grouping by five (or by week) on, or off when it was on; the other
  // grouping goes off. Rebuilds the table.
  void ToggleGrouping(bool byFive);
  void ResizeGrids();
  void PlaceButtons();
  // The framed window (`frame`, as stored or as it stands) placed by the
  // placement rules on this window's screen, and the window put there.
  QRect PlacedFrame(QRect frame) const;
  void PlaceOnScreen(QRect frame);
  // The window manager's border widths around this window; before it has
  // told them, the main window's.
  QMargins FrameMargins() const;
  QMargins OwnFrameMargins() const;
  // Places the window from its stored frame until the window manager has
  // framed it there, looking again every 50 ms while looks are left.
  void PlaceUntilFramed();
  // The framed window as stored, at its current width, and as it stands.
  QRect StoredFrame() const;
  QRect CurrentFrame() const;
  int S(int pixels) const;
  QFont TableFont() const;
  void CreateExportMenuItems(QMenu* file);
  // Writes the bytes to a file the user chose; a failure is shown with its reason.
  bool SaveFile(const QString& caption, const QString& extension, const QString& filter, const QByteArray& bytes);
  // Saves the table as the copy mode (0 text, 2 comma delimited) puts it on the clipboard.
  void SaveCopyText(const QString& caption, const QString& extension, const QString& filter, int copyMode,
                    month::LineEnd lineEnd);
  QDate FirstShownDay() const; // the first of the month of the last build
  // The place and twilight kind the shown table was built for: every copy,
  // print and save names them, though the main window may have moved on.
  month::CopyContext BuiltContext() const;

  MainWindowReader readMain_;
  settings::ListWindowSettings s_;
  int dpi_ = 96;
  QString SampleDate;
  QString builtSampleTime_; // ListTime of 0.99 day in the clock form of the last build
  ListColumns columns_;
  MainWindowReading built_; // what the last MakeList computed from
  ExportChoosers choosers_ = DialogChoosers();
  bool shownOnce_ = false;
  int framingLooksLeft_ = 0; // 0 once the window stands framed where it belongs

  MonthTableModel* model_ = nullptr;
  QWidget* pnlTop = nullptr;
  ListHeader* SGH = nullptr;
  QTableView* SG = nullptr;
  QWidget* pnlBottom = nullptr;
  QPushButton* cmdPrint = nullptr;
  QPushButton* cmdCopy = nullptr;
  QPushButton* cmdClose = nullptr;
  std::map<QString, QAction*> actions_;
};

} // namespace month_table_window
