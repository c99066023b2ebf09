// SPDX-License-Identifier: GPL-3.0-or-later
#include "location_editor.h"

#include "city_list_view.h"
#include "time_zone_picker.h"
#include "places/location_inputs.h"
#include "places/location_record.h"
#include "places/place_zone.h"
#include "settings/locale_number.h"
#include "ui_helpers/caption_buddy.h"
#include "ui_helpers/character_filter.h"
#include "ui_helpers/message_boxes.h"
#include "ui_helpers/named_combo_accessible.h"
#include "ui_helpers/panel_keys.h"
#include "ui_helpers/text_fit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

namespace location_editor {
namespace {

// The zone choice's texts: "-14", "-13.75", ... "12", four of them named.
QString ZoneEntryText(int index) {
  const float hours = places::ZoneHoursOfIndex(index);
  const QString number = QString::number(static_cast<double>(hours));
  const auto named = [&number](const char* text) { return QCoreApplication::translate("location_editor", text).arg(number); };
  if (hours == 5.0f) return named(QT_TRANSLATE_NOOP("location_editor", "%1 (Eastern)"));
  if (hours == 6.0f) return named(QT_TRANSLATE_NOOP("location_editor", "%1 (Central)"));
  if (hours == 7.0f) return named(QT_TRANSLATE_NOOP("location_editor", "%1 (Mountain)"));
  if (hours == 8.0f) return named(QT_TRANSLATE_NOOP("location_editor", "%1 (Pacific)"));
  return number;
}

// Rows a drop-down list shows at most: every style keeps to it, not only those
// that scroll their lists (others open the whole list, as tall as the screen).
void CapDropDownRows(QComboBox* box, int rows) {
  box->setMaxVisibleItems(rows);
  box->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
  // The list took the policy of a pop-up menu, which has no scroll bar, when
  // it was made under the style's own wish.
  box->view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

// The open list as wide as the widest of the texts, beside its scroll bar,
// however narrow the closed box.
void WidenOpenList(QComboBox* box, const QStringList& texts) {
  QAbstractItemView* list = box->view();
  int widest = 0;
  for (const QString& text : texts) widest = std::max(widest, list->fontMetrics().horizontalAdvance(text));
  list->setMinimumWidth(widest + 2 * list->frameWidth() + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                        8); // 8: the items' margins
}

// A name longer than its field shows its start, not its end.
void SetTextShowingStart(QLineEdit* field, const QString& text) {
  field->setText(text);
  field->setCursorPosition(0);
}

// The same once the focus has left the field: Tab selects the whole text with
// the cursor at its end, which scrolls a long name to its end.
class StartShownOnLeaving : public QObject {
public:
  using QObject::QObject;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusOut) {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      auto* field = qobject_cast<QLineEdit*>(watched);
      if (field && reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) field->setCursorPosition(0);
    }
    return QObject::eventFilter(watched, event);
  }
};

// InputKeyPress: what the longitude and latitude fields take: the digits of
// any script and the separators settings::ParseLocaleNumber reads.
bool IsNumberCharacter(QChar c) {
  return c.category() == QChar::Number_DecimalDigit || QStringLiteral(",-.\u066B").contains(c);
}

} // namespace

LocationEditor::LocationEditor(QWidget* parent, const std::function<int(int)>& scale, places::LocationFilePaths files)
    : QFrame(parent), Beep([] { QApplication::beep(); }), files_(std::move(files)) {
  setObjectName("pnlSettings");
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setAutoFillBackground(true); // covers what lies beneath
  BuildControls(scale);
  hide();
}

void LocationEditor::BuildControls(const std::function<int(int)>& S) {
  setGeometry(S(8), S(160), S(243), S(134));
  const auto label = [&](const char* name, const QString& caption, int left, int top) {
    auto* l = new QLabel(caption, this);
    l->setObjectName(name);
    l->move(S(left), S(top));
  };
  const auto place = [&](QWidget* w, const char* name, int left, int top, int width, int height, const QString& hint) {
    w->setObjectName(name);
    w->setGeometry(S(left), S(top), S(width), S(height));
    if (!hint.isEmpty()) w->setToolTip(hint);
  };
  auto* InputKeyPress = new ui_helpers::CharacterFilter(this, IsNumberCharacter, [this] {
    if (Beep) Beep();
  });

  label("lblSet_1", tr("Current Location"), 9, 4);
  txtCLoc = new QLineEdit(this);
  place(txtCLoc, "txtCLoc", 8, 20, 105, 21, {});
  txtCLoc->installEventFilter(new StartShownOnLeaving(txtCLoc));
  label("lblSet_2", tr("Select New Location"), 9, 43);
  ui_helpers::InstallNamedComboReading(); // before a combo box is first read, which would keep Qt's reading
  cboCities = new QComboBox(this);
  place(cboCities, "cboCities", 9, 58, 121, 21, {});
  cboCities->setView(new CityListView(cboCities));
  CapDropDownRows(cboCities, 16);
  WidenOpenList(cboCities, {QString(25, QLatin1Char('n'))}); // a name of the field's 25 characters
  label("lblSet_3", tr("Longitude"), 149, 4);
  txtLong = new QLineEdit(this);
  place(txtLong, "txtLong", 147, 20, 65, 21, tr("West positive, East negative"));
  txtLong->installEventFilter(InputKeyPress);
  label("lblSet_4", tr("Latitude"), 147, 43);
  txtLat = new QLineEdit(this);
  place(txtLat, "txtLat", 146, 59, 65, 21, tr("North positive, South negative"));
  txtLat->installEventFilter(InputKeyPress);
  label("lblSet_5", tr("Time Zone"), 147, 83);
  cboTZ = new QComboBox(this);
  place(cboTZ, "cboTZ", 146, 98, 81, 21, tr("West positive, East negative"));
  QStringList zones;
  for (int i = 0; i < places::kZoneEntries; ++i) zones.append(ZoneEntryText(i));
  cboTZ->addItems(zones);
  FitZoneChoice();
  CapDropDownRows(cboTZ, 16);
  WidenOpenList(cboTZ, zones);
  cmdChange = new QPushButton(tr("Ch&ange"), this); // Alt+H stays the Help menu's
  place(cmdChange, "cmdChange", 8, 99, 48, 21, {});
  cmdChange->setDefault(true);
  cmdCancelSettings = new QPushButton(tr("&Cancel"), this);
  place(cmdCancelSettings, "cmdCancelSettings", 65, 99, 48, 21, {});
  // Each button grows to show its text whole: Change into the gap before
  // Cancel, Cancel up to the gap before the zone choice's column.
  // Either takes a smaller size where that is not room enough.
  const int gap = cmdCancelSettings->x() - cmdChange->geometry().right() - 1;
  ui_helpers::FitButtonText(*cmdCancelSettings, cboTZ->x() - gap - cmdCancelSettings->x());
  ui_helpers::FitButtonText(*cmdChange, cmdCancelSettings->x() - 1 - cmdChange->x());

  setTabOrder(cboCities, txtCLoc);
  setTabOrder(txtCLoc, txtLong);
  setTabOrder(txtLong, txtLat);
  setTabOrder(txtLat, cboTZ);
  setTabOrder(cboTZ, cmdChange);
  setTabOrder(cmdChange, cmdCancelSettings);
  ui_helpers::NameByCaption(findChild<QLabel*>("lblSet_1"), txtCLoc);
  ui_helpers::NameByCaption(findChild<QLabel*>("lblSet_2"), cboCities);
  ui_helpers::NameByCaption(findChild<QLabel*>("lblSet_3"), txtLong);
  ui_helpers::NameByCaption(findChild<QLabel*>("lblSet_4"), txtLat);
  ui_helpers::NameByCaption(findChild<QLabel*>("lblSet_5"), cboTZ);

  connect(cboCities, &QComboBox::activated, this, &LocationEditor::cboCitiesChange);
  connect(cmdChange, &QPushButton::clicked, this, &LocationEditor::cmdChangeClick);
  connect(cmdCancelSettings, &QPushButton::clicked, this, &LocationEditor::cmdCancelSettingsClick);
  ui_helpers::BindPanelKeys(this, [this] { cmdChangeClick(); }, [this] { cmdCancelSettingsClick(); });
}

void LocationEditor::FitZoneChoice() {
  // The named zones are wider than the box made for them: it grows up to the
  // panel's edge, and the entries take a smaller size if that is not enough.
  cboTZ->resize(std::max(cboTZ->width(), contentsRect().right() - cboTZ->x()), cboTZ->height());
  QFont font = cboTZ->font();
  font.setPixelSize(QFontInfo(font).pixelSize());
  while (cboTZ->sizeHint().width() > cboTZ->width() && font.pixelSize() > 6) {
    font.setPixelSize(font.pixelSize() - 1);
    cboTZ->setFont(font);
  }
}

bool LocationEditor::Open(const settings::SiteLocation& current) {
  pickedZone_.clear();
  SetTextShowingStart(txtCLoc, current.SiteName);
  txtLong->setText(settings::FormatShownNumber(current.SiteLongitude));
  txtLat->setText(settings::FormatShownNumber(current.SiteLatitude));
  ChooseZone(places::ZoneIndexOfHours(current.SiteTimeZone));

  if (!LocationListLoaded && QFileInfo::exists(files_.readPath)) {
    places::LocationFileRead read = places::ReadLocationFile(files_.readPath);
    if (read.ok) {
      list_ = std::move(read.list);
      listAsRead_ = list_;
      LocationListLoaded = true;
      AppliedCityIndex = -1;
      FillCityChoice();
    } else {
      ui_helpers::ShowInputError(this, QStringLiteral("Vesperon"), read.error);
    }
  }
  cboCities->setEnabled(LocationListLoaded);
  (LocationListLoaded ? static_cast<QWidget*>(cboCities) : txtCLoc)->setFocus(Qt::OtherFocusReason);
  return LocationListLoaded;
}

void LocationEditor::FillCityChoice() {
  cboCities->clear();
  cboCities->addItems(list_.Names());
  cboCities->setCurrentIndex(-1); // a refilled choice has nothing chosen
}

void LocationEditor::ChooseZone(std::optional<int> zoneIndex) { cboTZ->setCurrentIndex(zoneIndex.value_or(-1)); }

std::optional<int> LocationEditor::ChosenZone() const {
  const int index = cboTZ->currentIndex();
  return index < 0 ? std::nullopt : std::optional<int>(index);
}

void LocationEditor::cboCitiesChange() {
  pickedZone_.clear(); // a listed place brings its own clock
  FillFromSelectedCity();
  cboCities->setFocus(Qt::OtherFocusReason);
}

void LocationEditor::FillFromSelectedCity() {
  const int chosen = cboCities->currentIndex();
  if (chosen < 0 || chosen >= list_.Size()) return;
  SetTextShowingStart(txtCLoc, cboCities->itemText(chosen));
  const places::LocationFields fields = places::ExtractLocationFields(list_.Records().at(chosen));
  txtLat->setText(fields.latitude);
  txtLong->setText(fields.longitude);
  ChooseZone(fields.zoneIndex);
}

std::optional<settings::SiteLocation> LocationEditor::CheckedLocation() {
  auto checked = places::CheckLocationInputs({txtCLoc->text(), txtLong->text(), txtLat->text(), ChosenZone()});
  if (const auto* location = std::get_if<settings::SiteLocation>(&checked)) return *location;
  const auto& error = std::get<places::LocationInputError>(checked);
  QWidget* const focus[] = {txtCLoc, txtLong, txtLat, cboTZ}; // by LocationInputField
  ui_helpers::ShowInputError(this, error.title, error.message, focus[static_cast<int>(error.field)]);
  return std::nullopt;
}

bool LocationEditor::ValidateLocationInputs() { return CheckedLocation().has_value(); }

void LocationEditor::cmdChangeClick() {
  std::optional<settings::SiteLocation> location = CheckedLocation();
  if (!location) return;
  // The name as typed, blanks kept, made fit for the list exactly as a record
  // of it would be, so that the applied and the listed name agree.
  location->SiteName = places::LocationFieldText(location->SiteName);
  // The clocks kept there: a listed place's own zone, a typed one's neighbours'.
  location->SiteZoneId = ZoneForChange(*location);
  AppliedCityIndex = cboCities->currentIndex();
  emit locationApplied(*location);
}

QString LocationEditor::ZoneForChange(const settings::SiteLocation& location) const {
  if (!pickedZone_.isEmpty()) return pickedZone_;
  return places::ZoneIdOfPlace(location, list_, places::ShippedPlaceDetails());
}

void LocationEditor::PickTimeZone() {
  auto typed = places::CheckLocationInputs({txtCLoc->text(), txtLong->text(), txtLat->text(), ChosenZone()});
  const auto* location = std::get_if<settings::SiteLocation>(&typed);
  const QString current = location ? ZoneForChange(*location) : pickedZone_;
  const QString chosen = AskTimeZone ? AskTimeZone(current) : [&] {
    TimeZonePicker picker(this, current);
    return picker.exec() == QDialog::Accepted ? picker.chosenZone() : QString();
  }();
  if (!chosen.isEmpty()) pickedZone_ = chosen;
}

void LocationEditor::RestoreCityChoice() {
  if (cboCities->isEnabled()) cboCities->setCurrentIndex(AppliedCityIndex);
}

void LocationEditor::cmdCancelSettingsClick() {
  RestoreCityChoice();
  emit cancelled();
}

} // namespace location_editor
