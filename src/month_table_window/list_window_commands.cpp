// SPDX-License-Identifier: GPL-3.0-or-later
// The month table window's menus and their commands: copy, print, font,
// grouping, grid lines and copy mode.

#include "help/help_key.h"
#include "help/help_topics.h"
#include "list_window.h"
#include "month/copy_text.h"
#include "table_font_dialog.h"
#include "table_print.h"
#include "ui_helpers/list_fonts.h"
#include "ui_helpers/print_output.h"

#include <QAccessible>
#include <QActionGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>
#include <QTableView>
#include <algorithm>

namespace month_table_window {

QAction* TfrmList::menuAction(const QString& objectName) const {
  const auto found = actions_.find(objectName);
  return found == actions_.end() ? nullptr : found->second;
}

void TfrmList::CreateMenus() {
  const auto item = [this](QMenu* menu, const QString& caption, const char* name, const QKeySequence& key,
                           std::function<void()> handler) {
    auto* action = menu ? menu->addAction(caption) : new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, [handler] { handler(); });
    actions_[QLatin1String(name)] = action;
    return action;
  };

  QMenu* file = menuBar()->addMenu(tr("&File"));
  item(file, tr("&Print"), "mnuPrint", QKeySequence(Qt::CTRL | Qt::Key_P), [this] { PrettyPrint(); });
  item(file, tr("&Copy"), "mnuCopy", QKeySequence(Qt::CTRL | Qt::Key_C), [this] { CopyList(); });
  // Not in the menu, so never shown: its shortcut works all the same.
  addAction(item(nullptr, QStringLiteral("QuickPrint"), "mnuQuickPrint", QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { QuickPrint(); }));
  CreateExportMenuItems(file);
  file->addSeparator();
  item(file, tr("E&xit"), "mnuExit", {}, [this] { listExit(); });

  QMenu* options = menuBar()->addMenu(tr("&Options"));
  item(options, tr("&Font"), "mnuFont", QKeySequence(Qt::CTRL | Qt::Key_F), [this] { listFont(); });
  item(options, tr("Group by &5"), "mnuGroup5", QKeySequence(Qt::CTRL | Qt::Key_5), [this] { listGroup(); })
      ->setCheckable(true);
  item(options, tr("Group by &Week"), "mnuGroup7", QKeySequence(Qt::CTRL | Qt::Key_W), [this] { mnuGroup7Click(); })
      ->setCheckable(true);
  item(options, tr("&Gridlines"), "mnuGrid", QKeySequence(Qt::CTRL | Qt::Key_G), [this] { mnuGridClick(); })
      ->setCheckable(true);
  QMenu* copyMode = options->addMenu(tr("&Copy Mode"));
  auto* modes = new QActionGroup(this);
  const struct {
    const char *caption, *name;
    Qt::Key key;
  } modeItems[] = {{QT_TR_NOOP("Te&xt With Header"), "mnuCMode_0", Qt::Key_X},
                   {QT_TR_NOOP("&Tab Delimited"), "mnuCMode_1", Qt::Key_T},
                   {QT_TR_NOOP("Co&mma Delimited"), "mnuCMode_2", Qt::Key_M}};
  for (int mode = 0; mode < 3; ++mode) {
    const auto& m = modeItems[mode];
    QAction* a = item(copyMode, tr(m.caption), m.name, QKeySequence(Qt::CTRL | m.key), [this, mode] { mnuCopyMode(mode); });
    a->setCheckable(true);
    modes->addAction(a);
  }

  // Esc closes, as the Close button is the window's cancel button.
  addAction(item(nullptr, QStringLiteral("Close"), "mnuEscape", QKeySequence(Qt::Key_Escape), [this] { listExit(); }));

  menuAction("mnuGroup5")->setChecked(s_.Group5);
  menuAction("mnuGroup7")->setChecked(s_.Group7);
  menuAction("mnuGrid")->setChecked(s_.GridLines);
  menuAction(QStringLiteral("mnuCMode_%1").arg(std::clamp(s_.CMode, 0, 2)))->setChecked(true);

  // F1 shows the month table's topic, over the window and in both menus.
  setProperty(help::kHelpContextProperty, static_cast<int>(help::kMonthTableTopic));
  for (QMenu* menu : {file, options, copyMode}) {
    menu->menuAction()->setProperty(help::kHelpContextProperty, static_cast<int>(help::kMonthTableTopic));
    for (QAction* a : menu->actions()) a->setProperty(help::kHelpContextProperty, static_cast<int>(help::kMonthTableTopic));
  }
}

month::CopyContext TfrmList::BuiltContext() const { return {built_.location, built_.Twilight, SampleDate}; }

void TfrmList::CopyList() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(month::JoinLines(month::CopyLines(table(), BuiltContext(), s_.CMode), month::LineEnd::CrLf));
  // Told through the table's description, which changes, so is announced,
  // on every copy.
  static const char* const kTold[] = {QT_TR_NOOP("Copied to the clipboard as text with header"),
                                      QT_TR_NOOP("Copied to the clipboard as tab delimited"),
                                      QT_TR_NOOP("Copied to the clipboard as comma delimited")};
  const QString told = tr(kTold[std::clamp(s_.CMode, 0, 2)]);
  if (SG->accessibleDescription() == told) {
    QAccessibleEvent again(SG, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&again);
  } else {
    SG->setAccessibleDescription(told);
  }
}

void TfrmList::PrettyPrint() {
  const PrettyPrintInputs in{table(), month::MakeListText(table(), BuiltContext(), false),
                             s_.SName, builtSampleTime_};
  ui_helpers::PrintAndReport(this, table().ListTitle,
                 [&in](QPainter& painter, QPrinter& printer) { month_table_window::PrettyPrint(painter, printer, in); });
}

void TfrmList::QuickPrint() {
  const QStringList lines = month::MakeListText(table(), BuiltContext(), true);
  ui_helpers::PrintAndReport(this, table().ListTitle,
                 [&lines](QPainter& painter, QPrinter& printer) { month_table_window::QuickPrint(painter, printer, lines); });
}

void TfrmList::listFont() {
  if (const std::optional<QFont> chosen = ChooseTableFont(TableFont(), this)) ApplyChosenFont(*chosen);
}

void TfrmList::ApplyChosenFont(const QFont& font) {
  s_.SName = font.family();
  s_.SSize = std::clamp(font.pointSize(), kSmallestTableFontPoints, kLargestTableFontPoints);
  s_.SBold = font.bold();
  s_.SItalic = font.italic();
  SG->setFont(TableFont());
  ResizeGrids();
}

void TfrmList::listGroup() { ToggleGrouping(true); }

void TfrmList::mnuGroup7Click() { ToggleGrouping(false); }

void TfrmList::ToggleGrouping(bool byFive) {
  const bool on = !(byFive ? s_.Group5 : s_.Group7);
  s_.Group5 = byFive && on;
  s_.Group7 = !byFive && on;
  menuAction("mnuGroup5")->setChecked(s_.Group5);
  menuAction("mnuGroup7")->setChecked(s_.Group7);
  MakeList();
}

void TfrmList::mnuGridClick() {
  s_.GridLines = !s_.GridLines;
  menuAction("mnuGrid")->setChecked(s_.GridLines);
  ApplyGridLines();
  ResizeGrids();
}

void TfrmList::mnuCopyMode(int cMode) {
  s_.CMode = cMode;
  menuAction(QStringLiteral("mnuCMode_%1").arg(cMode))->setChecked(true);
}

void TfrmList::listExit() { close(); }

} // namespace month_table_window
