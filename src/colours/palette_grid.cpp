// SPDX-License-Identifier: GPL-3.0-or-later
#include "palette_grid.h"

#include "ui_helpers/colour_conversion.h"
#include "ui_helpers/focus_ring_style.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <limits>

namespace colours {
namespace {

constexpr int kColourRole = Qt::UserRole;

class PaletteModel : public QAbstractTableModel {
public:
  using QAbstractTableModel::QAbstractTableModel;
  int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : settings::kPaletteRows; }
  int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : settings::kPaletteColumns; }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    const QColor colour = ui_helpers::ToQColor(settings::kColourPalette[index.row()][index.column()]);
    if (role == kColourRole) return colour;
    if (role == Qt::AccessibleTextRole) return SpokenColourName(colour);
    return {};
  }
  // The view hides its headers; read out, the rows' and columns' numbers
  // would mean nothing.
  QVariant headerData(int, Qt::Orientation, int) const override { return {}; }
};

// CGDrawCell: the cell's colour up to the line right of it and below it; the
// keyboard's cell in the focus ring, and otherwise the selected cell framed by
// a dotted line that shows on dark and light colours.
class PaletteCellDelegate : public QStyledItemDelegate {
public:
  PaletteCellDelegate(QObject* parent, int lineWidth) : QStyledItemDelegate(parent), lineWidth_(lineWidth) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const QRect cell = option.rect.adjusted(0, 0, -lineWidth_, -lineWidth_);
    const QColor colour = index.data(kColourRole).value<QColor>();
    painter->fillRect(cell, colour);
    if (option.state & QStyle::State_HasFocus) {
      // The keyboard's cell, while the grid has the focus: the focus ring,
      // between the cell's colour and the grid's lines.
      const auto* grid = qobject_cast<const PaletteGrid*>(option.widget);
      const QColor ring = ui_helpers::FocusRingColour(colour, grid ? grid->LineColour() : colour);
      const int w = ui_helpers::kFocusRingWidth;
      painter->setPen(QPen(ring, w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
      painter->setBrush(Qt::NoBrush);
      painter->drawRect(QRectF(cell).adjusted(w / 2.0, w / 2.0, -w / 2.0, -w / 2.0));
    } else if (option.state & QStyle::State_Selected) {
      painter->setPen(QPen(colour.lightness() > 128 ? Qt::black : Qt::white, 1, Qt::DotLine));
      painter->setBrush(Qt::NoBrush);
      painter->drawRect(cell.adjusted(1, 1, -2, -2));
    }
  }

private:
  int lineWidth_;
};

} // namespace

QString SpokenColourName(const QColor& colour) {
  QString nearest;
  int best = std::numeric_limits<int>::max();
  for (const QString& name : QColor::colorNames()) {
    const QColor named = QColor::fromString(name);
    const int dr = named.red() - colour.red(), dg = named.green() - colour.green(), db = named.blue() - colour.blue();
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < best) {
      best = distance;
      nearest = name;
    }
  }
  // The names are CSS's, which have no translation.
  //: A colour read out by a screen reader: its name (or "near" a name), then its red, green and blue, each 0 to 255.
  return QCoreApplication::translate("colours", "%1, red %2, green %3, blue %4")
      .arg(best == 0 ? nearest : QCoreApplication::translate("colours", "near %1").arg(nearest))
      .arg(colour.red())
      .arg(colour.green())
      .arg(colour.blue());
}

PaletteGrid::PaletteGrid(QWidget* parent, int cellWidth, int cellHeight, int lineWidth) : QTableView(parent) {
  setObjectName(QStringLiteral("CG"));
  setAccessibleName(tr("Palette"));
  setModel(new PaletteModel(this));
  setItemDelegate(new PaletteCellDelegate(this, lineWidth));
  horizontalHeader()->hide();
  verticalHeader()->hide();
  // Each section holds a cell and the line after it; the lines are the
  // viewport showing through.
  horizontalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setDefaultSectionSize(cellWidth + lineWidth);
  verticalHeader()->setDefaultSectionSize(cellHeight + lineWidth);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  setShowGrid(false);
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setTabKeyNavigation(false);
  viewport()->setAutoFillBackground(true);
  // The grid is sized to its cells; the last line falls outside.
  setFixedSize((lineWidth + cellWidth) * settings::kPaletteColumns - lineWidth, (lineWidth + cellHeight) * settings::kPaletteRows - lineWidth);

  connect(this, &QTableView::clicked, this,
          [this](const QModelIndex& index) { emit cellChosen({index.row(), index.column()}); });
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
    if (keyboardMove_ && current.isValid()) emit cellChosen({current.row(), current.column()});
  });
}

void PaletteGrid::keyPressEvent(QKeyEvent* event) {
  keyboardMove_ = true;
  QTableView::keyPressEvent(event);
  keyboardMove_ = false;
}

void PaletteGrid::SelectCell(settings::PaletteCell cell) {
  setCurrentIndex(model()->index(cell.row, cell.column));
}

settings::PaletteCell PaletteGrid::SelectedCell() const { return {currentIndex().row(), currentIndex().column()}; }

void PaletteGrid::SetLineColour(const QColor& colour) {
  QPalette lines = viewport()->palette();
  lines.setColor(QPalette::Base, colour);
  lines.setColor(QPalette::Window, colour);
  viewport()->setPalette(lines);
  viewport()->update();
}

QColor PaletteGrid::LineColour() const { return viewport()->palette().color(QPalette::Base); }

} // namespace colours
