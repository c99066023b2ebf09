// SPDX-License-Identifier: GPL-3.0-or-later
#include "time_zone_picker.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStringListModel>
#include <QTimeZone>
#include <QVBoxLayout>
#include <algorithm>

namespace location_editor {
namespace {

struct Texts {
  Q_DECLARE_TR_FUNCTIONS(location_editor)
};

} // namespace

TimeZonePicker::TimeZonePicker(QWidget* parent, const QString& current) : QDialog(parent) {
  setWindowTitle(Texts::tr("Time Zone of the Place"));
  QStringList zones;
  for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) zones << QString::fromUtf8(id);
  auto* all = new QStringListModel(zones, this);
  shown_ = new QSortFilterProxyModel(this);
  shown_->setSourceModel(all);
  shown_->setFilterCaseSensitivity(Qt::CaseInsensitive);

  filter_ = new QLineEdit(this);
  filter_->setObjectName(QStringLiteral("txtZoneFilter"));
  filter_->setPlaceholderText(Texts::tr("Part of the name, such as Kathmandu"));
  auto* caption = new QLabel(Texts::tr("&Find:"), this);
  caption->setBuddy(filter_);
  list_ = new QListView(this);
  list_->setObjectName(QStringLiteral("lstZones"));
  list_->setModel(shown_);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setAccessibleName(Texts::tr("Time zones"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list_, &QListView::doubleClicked, this, &QDialog::accept);
  connect(filter_, &QLineEdit::textChanged, this, [this](const QString& typed) { Narrow(typed); });

  auto* column = new QVBoxLayout(this);
  column->addWidget(caption);
  column->addWidget(filter_);
  column->addWidget(list_);
  column->addWidget(buttons);
  // 40 characters wide, or wider where the hint in the field needs it.
  const int hintWidth = filter_->fontMetrics().horizontalAdvance(filter_->placeholderText()) +
                        4 * fontMetrics().averageCharWidth(); // the field's frame and the dialog's margins
  resize(std::max(fontMetrics().averageCharWidth() * 40, hintWidth), fontMetrics().height() * 24);

  const qsizetype at = zones.indexOf(current);
  if (at >= 0) list_->setCurrentIndex(shown_->index(static_cast<int>(at), 0));
  filter_->setFocus();
}

void TimeZonePicker::Narrow(const QString& typed) {
  // Blanks stand for the database's underscores: "new york" finds America/New_York.
  QString pattern = typed.trimmed();
  pattern.replace(QLatin1Char(' '), QLatin1Char('_'));
  shown_->setFilterFixedString(pattern);
  if (shown_->rowCount() > 0 && !list_->currentIndex().isValid()) list_->setCurrentIndex(shown_->index(0, 0));
}

QString TimeZonePicker::chosenZone() const {
  const QModelIndex index = list_->currentIndex();
  return index.isValid() ? index.data().toString() : QString();
}

} // namespace location_editor
