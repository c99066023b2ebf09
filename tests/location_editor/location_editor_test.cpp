// SPDX-License-Identifier: GPL-3.0-or-later
#include "location_editor/location_editor.h"

#include "../support/accessible_events.h"
#include "../support/message_box_watcher.h"
#include "../support/qstring_printer.h"
#include "../support/scoped_file_size_limit.h"
#include "../support/scoped_locale.h"
#include "location_editor/time_zone_picker.h"
#include "places/location_record.h"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace location_editor {
namespace {

QString Record(const char* name, const char* latitude, const char* longitude, float zoneHours) {
  return places::FormatLocationRecord(QString::fromUtf8(name), QLatin1String(latitude), QLatin1String(longitude),
                                      *places::ZoneIndexOfHours(zoneHours));
}

// An editor inside a shown, active window, with its list file in a temporary
// folder.
class LocationEditorTest : public ::testing::Test {
protected:
  void Open(const QStringList& records, const settings::SiteLocation& current = {}) {
    if (!records.isEmpty()) {
      const places::LocationFileWrite written = places::WriteLocationFile(path_, places::LocationList(records));
      ASSERT_TRUE(written.ok) << written.error;
    }
    editor_ = new LocationEditor(&window_, [](int pixels) { return pixels; }, {path_, path_});
    editor_->Beep = [this] { ++beeps_; };
    QObject::connect(editor_, &LocationEditor::locationApplied, [this](const settings::SiteLocation& l) { applied_ = l; });
    window_.resize(300, 200);
    window_.show();
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    editor_->show();
    editor_->Open(current);
  }
  void Choose(int index) {
    editor_->cboCities->setCurrentIndex(index);
    emit editor_->cboCities->activated(index);
  }
  // A zone outside the choice leaves none chosen.
  void Type(const char* name, const char* longitude, const char* latitude, float zoneHours) {
    editor_->txtCLoc->setText(QString::fromUtf8(name));
    editor_->txtLong->setText(QLatin1String(longitude));
    editor_->txtLat->setText(QLatin1String(latitude));
    editor_->cboTZ->setCurrentIndex(places::ZoneIndexOfHours(zoneHours).value_or(-1));
  }
  // The control that has, or gets when the window is active again, the focus.
  QString FocusName() const {
    const QWidget* focused = window_.focusWidget();
    return focused ? focused->objectName() : QString();
  }
  QStringList Fields() const {
    return {editor_->txtCLoc->text(), editor_->txtLat->text(), editor_->txtLong->text(), editor_->cboTZ->currentText()};
  }

  QTemporaryDir dir_;
  QString path_ = dir_.filePath(QStringLiteral("Location.txt"));
  QWidget window_;
  LocationEditor* editor_ = nullptr;
  std::optional<settings::SiteLocation> applied_;
  int beeps_ = 0;
};

TEST_F(LocationEditorTest, ChangeAcceptsBothEndsOfEveryRangeAndReportsTheFirstBadField) {
  Open({});
  const struct {
    const char *name, *longitude, *latitude;
    float zone; // hours; outside the choice: none chosen
    const char *title, *message, *focus; // title empty: accepted
  } cases[] = {
      {"West end", "180", "90", 12.0f, "", "", ""},
      {"East end", "-180", "-90", -14.0f, "", "", ""},
      {"Comma", "85,6", "42.97", -5.75f, "", "", ""},
      {"Too far west", "180.01", "0", 0.0f, "Longitude Error",
       "Longitude must be a number between 180 (West) and -180 (East).", "txtLong"},
      {"Too far south", "0", "-90.01", 0.0f, "Latitude Error", "Latitude must be a number between 90 and -90.",
       "txtLat"},
      {"Both bad", "200", "100", 0.0f, "Longitude Error",
       "Longitude must be a number between 180 (West) and -180 (East).", "txtLong"},
      {"   ", "0", "0", 0.0f, "Vesperon", "You must make an entry in the Current Location box.", "txtCLoc"},
      {"No zone", "0", "0", 99.0f, "Vesperon", "You must select a time zone.", "cboTZ"},
  };
  for (const auto& c : cases) {
    applied_.reset();
    editor_->cmdChange->setFocus();
    MessageBoxWatcher boxes;
    Type(c.name, c.longitude, c.latitude, c.zone);
    editor_->cmdChangeClick();
    if (*c.title == '\0') {
      EXPECT_TRUE(boxes.seen().empty()) << c.name;
      ASSERT_TRUE(applied_) << c.name;
      EXPECT_EQ(applied_->SiteName, QString::fromUtf8(c.name));
      EXPECT_EQ(applied_->SiteLongitude, QString::fromLatin1(c.longitude).replace(',', '.').toFloat()) << c.name;
      EXPECT_EQ(applied_->SiteTimeZone, c.zone) << c.name;
      continue;
    }
    EXPECT_FALSE(applied_) << c.name;
    ASSERT_EQ(boxes.seen().size(), 1u) << c.name;
    EXPECT_EQ(boxes.seen()[0].title, QLatin1String(c.title));
    EXPECT_EQ(boxes.seen()[0].text, QLatin1String(c.message));
    EXPECT_EQ(boxes.seen()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(FocusName(), QString::fromLatin1(c.focus)) << c.name;
  }
}

// Every standard-time zone on Earth, in quarter hours from 14 hours East to
// 12 West; a quarter-hour zone shows as itself, not rounded to a half hour.
TEST_F(LocationEditorTest, TheZoneChoiceHoldsQuarterHoursFrom14EastTo12West) {
  Open({Record("Kathmandu, Nepal", "27.71", "-85.32", -5.75f), Record("Apia, Samoa", "-13.83", "171.76", -13.0f)},
       {QStringLiteral("Eucla"), -8.75f, -31.68f, -128.88f});
  EXPECT_EQ(editor_->cboTZ->count(), 105);
  EXPECT_EQ(editor_->cboTZ->itemText(0), QStringLiteral("-14"));
  EXPECT_EQ(editor_->cboTZ->itemText(104), QStringLiteral("12"));
  EXPECT_EQ(editor_->cboTZ->itemText(76), QStringLiteral("5 (Eastern)"));
  EXPECT_EQ(editor_->cboTZ->currentText(), QStringLiteral("-8.75")) << "the current place's zone";
  Choose(1);
  EXPECT_EQ(Fields(), (QStringList{"Kathmandu, Nepal", "27.71", "-85.32", "-5.75"}));
  editor_->cmdChangeClick();
  ASSERT_TRUE(applied_);
  EXPECT_EQ(applied_->SiteTimeZone, -5.75f);
  Choose(0);
  EXPECT_EQ(editor_->cboTZ->currentText(), QStringLiteral("-13"));
}

// Under Arabic the fields show the Arabic separator; whatever a field holds,
// the list file gets it with a decimal point.
TEST_F(LocationEditorTest, TheListGetsNumbersWithADecimalPointWhateverTheLanguage) {
  const ScopedLocale arabic(QLocale(QLocale::Arabic, QLocale::Egypt));
  Open({Record("Accra", "5.6", "0.19", 0.0f)}, {QStringLiteral("Kathmandu"), -5.75f, 27.71f, -85.32f});
  EXPECT_EQ(editor_->txtLat->text(), QString::fromUtf8("27\u066B71"));
  editor_->ListAdd();
  Type("Typed", "-85,32", "", -5.75f);
  editor_->txtLat->setText(QString::fromUtf8("\u0662\u0667\u066B\u0667\u0661"));
  editor_->ListAdd();
  ASSERT_TRUE(editor_->ListSave());
  const QStringList records = places::ReadLocationFile(path_).list.Records();
  EXPECT_TRUE(records.contains(QStringLiteral("Kathmandu                | 27.71 | -85.32 |-5.75"))) << records.join('\n');
  EXPECT_TRUE(records.contains(QStringLiteral("Typed                    | 27.71 | -85.32 |-5.75"))) << records.join('\n');
}

TEST_F(LocationEditorTest, TheNumberFieldsTakeDigitsSignsAndSeparatorsAndBeepAtAnythingElse) {
  Open({});
  editor_->txtLat->setText(QStringLiteral("42.97"));
  editor_->txtLat->setFocus();
  editor_->txtLat->end(false);
  QTest::keyClicks(editor_->txtLat, QStringLiteral("a"));
  EXPECT_EQ(editor_->txtLat->text(), QStringLiteral("42.97"));
  EXPECT_EQ(beeps_, 1);
  QTest::keyClick(editor_->txtLat, Qt::Key_Backspace);
  QTest::keyClicks(editor_->txtLat, QStringLiteral(",-."));
  EXPECT_EQ(editor_->txtLat->text(), QStringLiteral("42.9,-."));
  EXPECT_EQ(beeps_, 1);
}

TEST_F(LocationEditorTest, ChoosingAPlaceFillsTheFieldsFromItsRecord) {
  Open({Record("Sydney", "-33.87", "-151.21", -10.0f), Record("berlin", "52.52", "-13.4", -1.0f)});
  EXPECT_EQ(editor_->cboCities->count(), 2);
  EXPECT_EQ(editor_->cboCities->currentIndex(), -1);
  EXPECT_EQ(FocusName(), QStringLiteral("cboCities"));
  Choose(1);
  EXPECT_EQ(Fields(), (QStringList{"Sydney", "-33.87", "-151.21", "-10"}));
  editor_->cmdChangeClick();
  ASSERT_TRUE(applied_);
  EXPECT_EQ(editor_->AppliedCityIndex, 1);
  EXPECT_EQ(applied_->SiteLatitude, -33.87f);
  EXPECT_EQ(applied_->SiteTimeZone, -10.0f);
}

TEST_F(LocationEditorTest, AppliedCityIndexFollowsChangeAndCancelRestoresIt) {
  Open({Record("Accra", "5.6", "0.19", 0.0f), Record("Lima", "-12.05", "77.04", 5.0f)});
  Choose(1);
  editor_->cmdChangeClick();
  EXPECT_EQ(editor_->AppliedCityIndex, 1);
  Choose(0);
  editor_->cmdCancelSettingsClick();
  EXPECT_EQ(editor_->cboCities->currentIndex(), 1) << "Cancel puts the applied place back";

  editor_->cboCities->setCurrentIndex(-1); // a typed location, chosen from nothing
  Type("Home", "1", "2", 0.0f);
  editor_->cmdChangeClick();
  EXPECT_EQ(editor_->AppliedCityIndex, -1);
  Choose(0);
  editor_->cmdCancelSettingsClick();
  EXPECT_EQ(editor_->cboCities->currentIndex(), -1) << "after a typed location Cancel leaves no name chosen";
}

TEST_F(LocationEditorTest, AddingPutsThePlaceInOrderAndChoosesItUnlessItsNameWasCut) {
  Open({Record("Boston", "42.36", "71.06", 5.0f)});
  Type("berlin", "-13.4", "52.52", -1.0f);
  editor_->ListAdd();
  EXPECT_EQ(editor_->Locations().Names(), (QStringList{"berlin", "Boston"}));
  EXPECT_EQ(editor_->cboCities->currentIndex(), 0);
  EXPECT_TRUE(editor_->LocationListChanged);

  Type("BERLIN", "-13.4", "52.52", -1.0f); // equal but for letter case: nothing added
  editor_->ListAdd();
  EXPECT_EQ(editor_->Locations().Size(), 2);

  Type("Llanfairpwllgwyngyllgogery", "4.2", "53.22", 0.0f); // 26 characters
  editor_->ListAdd();
  EXPECT_TRUE(editor_->Locations().Names().contains("Llanfairpwllgwyngyllgoger"));
  EXPECT_EQ(editor_->cboCities->currentIndex(), -1);
}

TEST_F(LocationEditorTest, RemovingTheLastEntryChoosesTheNewLastAndTheOnlyOneLeavesTheFields) {
  Open({Record("Accra", "5.6", "0.19", 0.0f), Record("Lima", "-12.05", "77.04", 5.0f)});
  Choose(1);
  editor_->ListRemove();
  EXPECT_EQ(editor_->cboCities->currentIndex(), 0);
  EXPECT_EQ(Fields(), (QStringList{"Accra", "5.6", "0.19", "0"}));
  editor_->ListRemove();
  EXPECT_EQ(editor_->cboCities->count(), 0);
  EXPECT_EQ(editor_->cboCities->currentIndex(), -1);
  EXPECT_EQ(Fields(), (QStringList{"Accra", "5.6", "0.19", "0"}));
  EXPECT_TRUE(editor_->LocationListChanged);
}

TEST_F(LocationEditorTest, ANameWithABarOrAControlCharacterIsAppliedAsTheListKeepsIt) {
  Open({Record("Accra", "5.6", "0.19", 0.0f)});
  Type("Rio|Brazil\tnorth", "43.2", "-22.9", 3.0f);
  editor_->ListAdd();
  editor_->cmdChangeClick();
  ASSERT_TRUE(applied_);
  EXPECT_EQ(applied_->SiteName, QStringLiteral("Rio/Brazil north"));
  EXPECT_TRUE(editor_->Locations().Names().contains(applied_->SiteName));
  EXPECT_EQ(editor_->AppliedCityIndex, editor_->Locations().Names().indexOf(applied_->SiteName));
}

TEST_F(LocationEditorTest, WithoutAListFileTheCityChoiceIsOff) {
  Open({});
  EXPECT_FALSE(editor_->cboCities->isEnabled());
  EXPECT_FALSE(editor_->LocationListLoaded);
  EXPECT_EQ(Fields(), (QStringList{"Zedir Izudiz,MI", "42.97", "85.6", "5 (Eastern)"}));
}

TEST_F(LocationEditorTest, SavingWritesTheListAndAFailedSaveIsShownAndKeepsTheChanges) {
  Open({Record("Accra", "5.6", "0.19", 0.0f)});
  QFile file(path_);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray before = file.readAll();
  file.close();
  Type("Lima", "77.04", "-12.05", 5.0f);
  editor_->ListAdd();
  {
    const ScopedFileSizeLimit limit(before.size()); // room for the old list, not the new
    ASSERT_TRUE(limit.Active());
    MessageBoxWatcher boxes;
    EXPECT_FALSE(editor_->ListSave());
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_TRUE(boxes.seen()[0].text.contains(path_)) << boxes.seen()[0].text;
    EXPECT_EQ(boxes.seen()[0].icon, QMessageBox::Critical);
  }
  EXPECT_TRUE(editor_->LocationListChanged);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), before) << "the old list is whole";
  file.close();

  MessageBoxWatcher none;
  EXPECT_TRUE(editor_->ListSave());
  EXPECT_TRUE(none.seen().empty());
  EXPECT_FALSE(editor_->LocationListChanged);
  const places::LocationFileRead read = places::ReadLocationFile(path_);
  EXPECT_EQ(read.list.Names(), (QStringList{"Accra", "Lima"}));
}

TEST_F(LocationEditorTest, TwoCopiesSavingTheListKeepEachOthersChanges) {
  Open({Record("Accra", "5.6", "0.19", 0.0f), Record("Boston", "42.36", "71.06", 5.0f)});
  // A second copy of the program, with the same file read at the same time.
  LocationEditor other(&window_, [](int pixels) { return pixels; }, {path_, path_});
  other.Open({});
  Type("Lima", "77.04", "-12.05", 5.0f);
  editor_->ListAdd();
  other.txtCLoc->setText(QStringLiteral("Oslo"));
  other.txtLong->setText(QStringLiteral("-10.75"));
  other.txtLat->setText(QStringLiteral("59.91"));
  other.cboTZ->setCurrentIndex(*places::ZoneIndexOfHours(-1.0f));
  other.ListAdd();
  other.cboCities->setCurrentIndex(other.Locations().Names().indexOf("Boston"));
  other.ListRemove();

  MessageBoxWatcher none;
  ASSERT_TRUE(editor_->ListSave());
  ASSERT_TRUE(other.ListSave());
  EXPECT_TRUE(none.seen().empty());
  EXPECT_EQ(places::ReadLocationFile(path_).list.Names(), (QStringList{"Accra", "Lima", "Oslo"}))
      << "the first save's place is kept, the place the second removed is gone";
  EXPECT_EQ(other.Locations().Names(), (QStringList{"Accra", "Lima", "Oslo"})) << "the choice shows what was saved";
}

// Down on a closed list is heard as the entry it moves to: the list keeps its
// caption as its name and tells its entry as its value, in the value change,
// and as its list's selected item.
TEST_F(LocationEditorTest, ListsKeepTheirCaptionAsNameAndTellTheShownEntry) {
  Open({Record("Sydney", "-33.87", "-151.21", 4), Record("berlin", "52.52", "-13.4", 22)});
  testing_support::AccessibleEventLog log;
  for (QComboBox* list : {editor_->cboTZ, editor_->cboCities}) {
    const std::string where = list->objectName().toStdString();
    list->setFocus(Qt::TabFocusReason);
    log.clear();
    QTest::keyClick(list, Qt::Key_Down);
    QAccessibleInterface* item = QAccessible::queryAccessibleInterface(list);
    EXPECT_EQ(item->text(QAccessible::Name), list->accessibleName()) << where;
    EXPECT_EQ(item->text(QAccessible::Value), list->currentText()) << where;
    QStringList told;
    for (const testing_support::ToldEvent& e : log.of(QAccessible::ValueChanged))
      if (e.object == list) told << e.value;
    EXPECT_EQ(told, QStringList{list->currentText()}) << where;
    QAccessibleInterface* entries = item->child(0);
    ASSERT_NE(entries, nullptr) << where;
    ASSERT_NE(entries->tableInterface(), nullptr) << where;
    const QList<QAccessibleInterface*> selected = entries->tableInterface()->selectedCells();
    ASSERT_EQ(selected.size(), 1) << where << ": the list's selected item";
    EXPECT_EQ(selected[0]->text(QAccessible::Name), list->currentText()) << where;
  }
}

TEST_F(LocationEditorTest, TheClockChosenByHandIsTheAppliedPlacesUntilAListedPlaceIsPicked) {
  Open({Record("Accra, Ghana", "5.6", "0.19", 0.0f)});
  Type("Camp, Samoa", "171.75", "-13.83", -13.0f);
  QString offered;
  editor_->AskTimeZone = [&offered](const QString& current) {
    offered = current;
    return QStringLiteral("Pacific/Apia");
  };
  editor_->PickTimeZone();
  editor_->cmdChangeClick();
  ASSERT_TRUE(applied_);
  EXPECT_EQ(applied_->SiteZoneId, "Pacific/Apia");
  EXPECT_FALSE(offered.isEmpty()) << "the picker starts on the zone the place would get";

  Choose(0);
  editor_->cmdChangeClick();
  EXPECT_NE(applied_->SiteZoneId, "Pacific/Apia") << "Accra brings its own clock";
}

TEST(TimeZonePicker, FindsEveryZoneByAnyPartOfItsName) {
  TimeZonePicker picker(nullptr, QStringLiteral("Europe/London"));
  EXPECT_EQ(picker.chosenZone(), "Europe/London") << "starts on the current zone";
  const struct {
    const char* typed;
    const char* zone;
  } cases[] = {{"kathm", "Asia/Kathmandu"}, {"new york", "America/New_York"}, {"KIRITIMATI", "Pacific/Kiritimati"},
               {"lord_howe", "Australia/Lord_Howe"}};
  for (const auto& c : cases) {
    picker.list()->setCurrentIndex({});
    picker.filter()->setText(QString::fromUtf8(c.typed));
    EXPECT_EQ(picker.chosenZone(), QLatin1String(c.zone)) << c.typed;
  }
  picker.filter()->setText(QStringLiteral("no such zone"));
  EXPECT_EQ(picker.list()->model()->rowCount(), 0);
}

} // namespace
} // namespace location_editor
