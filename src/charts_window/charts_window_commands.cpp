// SPDX-License-Identifier: GPL-3.0-or-later
// The Charts window's menus and what they do: copy, print, the two saves,
// the choice of chart and the steps.

#include "chart_view.h"
#include "charts/svg_writer.h"
#include "charts_window.h"
#include "help/help_key.h"
#include "help/help_topics.h"
#include "scene_painter.h"
#include "ui_helpers/file_save.h"
#include "ui_helpers/print_output.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>

namespace charts_window {
namespace {

// The printed chart's width in scene pixels; the page's shape gives its height.
constexpr double kPrintWidth = 1400.0;

} // namespace

QAction* ChartsWindow::menuAction(const QString& objectName) const {
  const auto found = actions_.find(objectName);
  return found == actions_.end() ? nullptr : found->second;
}

void ChartsWindow::CreateMenus() {
  const auto item = [this](QMenu* menu, const QString& caption, const char* name, const QKeySequence& key,
                           std::function<void()> handler) {
    auto* action = menu ? menu->addAction(caption) : new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(key);
    action->setProperty(help::kHelpContextProperty, static_cast<int>(help::kChartsTopic));
    connect(action, &QAction::triggered, this, [handler] { handler(); });
    actions_[QLatin1String(name)] = action;
    return action;
  };

  QMenu* file = menuBar()->addMenu(tr("&File"));
  item(file, tr("&Print"), "mnuPrint", QKeySequence(Qt::CTRL | Qt::Key_P), [this] { PrintChart(); });
  item(file, tr("&Copy"), "mnuCopy", QKeySequence(Qt::CTRL | Qt::Key_C), [this] { CopyChart(); });
  file->addSeparator();
  item(file, tr("Save as P&NG..."), "mnuSavePng", {}, [this] { SaveAsPng(); });
  item(file, tr("Save as &SVG..."), "mnuSaveSvg", {}, [this] { SaveAsSvg(); });
  file->addSeparator();
  item(file, tr("E&xit"), "mnuExit", {}, [this] { close(); });

  QMenu* chart = menuBar()->addMenu(tr("C&hart"));
  item(chart, tr("&Daylight of the Year"), "mnuDaylight", QKeySequence(Qt::CTRL | Qt::Key_1),
       [this] { ShowChart(ChartKind::Daylight); });
  item(chart, tr("&Altitude of the Night"), "mnuAltitude", QKeySequence(Qt::CTRL | Qt::Key_2),
       [this] { ShowChart(ChartKind::Altitude); });
  chart->addSeparator();
  // The main window's calendar steps with Ctrl+Page Up and Down too.
  item(chart, tr("&Previous"), "mnuPrevious", QKeySequence(Qt::CTRL | Qt::Key_PageUp), [this] { Step(-1); });
  item(chart, tr("&Next"), "mnuNext", QKeySequence(Qt::CTRL | Qt::Key_PageDown), [this] { Step(1); });

  // Esc closes, as the Close button is the window's cancel button.
  addAction(item(nullptr, tr("Close"), "mnuEscape", QKeySequence(Qt::Key_Escape), [this] { close(); }));
  for (QMenu* menu : {file, chart})
    menu->menuAction()->setProperty(help::kHelpContextProperty, static_cast<int>(help::kChartsTopic));
}

void ChartsWindow::CopyChart() {
  QGuiApplication::clipboard()->setImage(SceneImage(view_->scene()));
}

void ChartsWindow::PrintChart() {
  ui_helpers::PrintAndReport(
      this, Title(),
      [this](QPainter& painter, QPrinter& printer) {
        const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
        const double scale = page.width() / kPrintWidth;
        painter.scale(scale, scale);
        PaintScene(painter, SceneFor(QSizeF(kPrintWidth, page.height() / scale)));
      },
      QPageLayout::Landscape);
}

void ChartsWindow::setSaveFileChooser(ui_helpers::SaveFileChooser choose) { chooseFile_ = std::move(choose); }

bool ChartsWindow::Save(const QString& caption, const QString& extension, const QString& filter,
                        const QByteArray& bytes) {
  return ui_helpers::SaveBytesToChosenFile(this, chooseFile_, caption, Title(), extension,
                                           filter + QStringLiteral(";;") + tr("All files (*)"), bytes, lastSaveFolder_);
}

void ChartsWindow::SaveAsPng() {
  Save(tr("Save as PNG"), QStringLiteral(".png"), tr("PNG images (*.png)"),
       PngOf(view_->scene()));
}

void ChartsWindow::SaveAsSvg() {
  Save(tr("Save as SVG"), QStringLiteral(".svg"), tr("SVG images (*.svg)"),
       charts::SvgOf(view_->scene()));
}

} // namespace charts_window
