// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/main_window.h"

#include "apply_location.h"

#include "../support/message_box_watcher.h"
#include "../support/qstring_printer.h"
#include "../support/scoped_file_size_limit.h"
#include "../support/temporary_store.h"
#include "location_editor/location_editor.h"
#include "places/location_record.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace main_window {
namespace {

using Answer = QMessageBox::StandardButton;

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A window on a store that already holds a location, as after a first run.
class ClosingQuestionsTest : public ::testing::Test {
protected:
  std::unique_ptr<TfrmVesperon> Open(const places::LocationFilePaths& files = {}) {
    places::LocationFilePaths paths = files;
    if (paths.readPath.isEmpty()) paths = {dir_.filePath("none.txt"), dir_.filePath("none.txt")};
    auto w = std::make_unique<TfrmVesperon>(store_.factory(), nullptr, paths);
    w->show();
    return w;
  }

  TemporaryStore store_{{{"Location/City", "Home"},
                         {"Location/TimeZone", "5"},
                         {"Location/Latitude", "42.5"},
                         {"Location/Longitude", "85.25"}}};
  QTemporaryDir dir_;
};

TEST(ClosingQuestionsFirstRun, NothingIsAskedAndTheLocationIsStoredAnyway) {
  TemporaryStore store;
  {
    TfrmVesperon w(store.factory());
    w.show();
    MessageBoxWatcher boxes;
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(boxes.seen().empty());
  }
  EXPECT_EQ(store.value("Location/City"), QStringLiteral("Zedir Izudiz,MI"));
  EXPECT_EQ(store.value("Location/Latitude"), QStringLiteral("42.97"));
}

TEST_F(ClosingQuestionsTest, AChangedLocationIsAskedAboutAndYesKeepsItNoDoesNot) {
  const struct {
    const char* name;
    const char *longitude, *latitude;
    float zone; // hours
    Answer answer;
    const char* storedCity;
    const char* note;
  } cases[] = {
      {"Elsewhere", "-2.5", "48.75", -1.0f, QMessageBox::Yes, "Elsewhere", "Yes writes the new place"},
      {"Elsewhere", "-2.5", "48.75", -1.0f, QMessageBox::No, "Home", "No keeps the stored one"},
      {"HOME", "85.25", "42.5", 5.0f, QMessageBox::Yes, "HOME", "a change of letter case alone asks"},
      {"Home", "85.25", "42.5", 5.75f, QMessageBox::Yes, "Home", "a change of zone alone asks"},
  };
  for (const auto& c : cases) {
    TemporaryStore fresh{{{"Location/City", "Home"}, {"Location/TimeZone", "5"}, {"Location/Latitude", "42.5"},
                          {"Location/Longitude", "85.25"}}};
    {
      TfrmVesperon w(fresh.factory(), nullptr, {dir_.filePath("none.txt"), dir_.filePath("none.txt")});
      w.show();
      test::ApplyLocation(w, c.name, c.longitude, c.latitude, c.zone);
      MessageBoxWatcher boxes({c.answer});
      EXPECT_TRUE(w.close()) << c.note;
      ASSERT_EQ(boxes.seen().size(), 1u) << c.note;
      EXPECT_EQ(boxes.seen()[0].title, QStringLiteral("Confirm"));
      if (c.answer == QMessageBox::Yes && c.zone == -1.0f) {
        EXPECT_EQ(boxes.seen()[0].text, QStringLiteral("Save current Vesperon settings?\nLocation  : Elsewhere\n"
                                                       "Longitude : -2.5\nLatitude   : 48.75\nTimeZone : -1"));
      }
    }
    EXPECT_EQ(fresh.value("Location/City"), QLatin1String(c.storedCity)) << c.note;
  }
}

TEST_F(ClosingQuestionsTest, TheHemisphereIsAskedAboutOnlyWhenItDiffersAtClosing) {
  {
    auto w = Open();
    w->SetHemisphere(false);
    w->SetHemisphere(true);
    MessageBoxWatcher boxes;
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(boxes.seen().empty()) << "switched and back: nothing to ask";
  }
  {
    auto w = Open();
    w->SetHemisphere(false);
    MessageBoxWatcher boxes({QMessageBox::Yes});
    EXPECT_TRUE(w->close());
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_EQ(boxes.seen()[0].text, QStringLiteral("Would you like the moon graphic to show the view\n"
                                                   "from our southern hemisphere next time?"));
  }
  EXPECT_EQ(store_.value("Flags/NH"), QStringLiteral("0"));
}

TEST_F(ClosingQuestionsTest, CancelKeepsTheWindowOpenWritesNothingAndTheNextCloseAsksAgain) {
  auto w = Open();
  test::ApplyLocation(*w, "Elsewhere", "1", "2", 0.0f);
  w->SetHemisphere(false);
  const QByteArray before = Bytes(store_.path());
  {
    MessageBoxWatcher boxes({QMessageBox::Cancel});
    EXPECT_FALSE(w->close());
    EXPECT_EQ(boxes.seen().size(), 1u) << "no question after a Cancel";
  }
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(Bytes(store_.path()), before);
  {
    MessageBoxWatcher boxes({QMessageBox::No, QMessageBox::Cancel});
    EXPECT_FALSE(w->close());
    EXPECT_EQ(boxes.seen().size(), 2u) << "asked again, then the hemisphere";
  }
  EXPECT_EQ(Bytes(store_.path()), before);
}

TEST_F(ClosingQuestionsTest, ALocationThatCannotBeStoredIsReportedAndKeepsTheWindowOpen) {
  auto w = Open();
  test::ApplyLocation(*w, "Elsewhere", "1", "2", 0.0f);
  const QByteArray before = Bytes(store_.path());
  {
    const ScopedFileSizeLimit limit(before.size()); // room for the old store, not the new
    ASSERT_TRUE(limit.Active());
    MessageBoxWatcher boxes({QMessageBox::Yes, QMessageBox::Ok});
    EXPECT_FALSE(w->close());
    ASSERT_EQ(boxes.seen().size(), 2u);
    EXPECT_EQ(boxes.seen()[1].icon, QMessageBox::Critical);
    EXPECT_TRUE(boxes.seen()[1].text.contains("Vesperon.ini")) << boxes.seen()[1].text;
  }
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(Bytes(store_.path()), before);
  MessageBoxWatcher boxes({QMessageBox::Yes});
  EXPECT_TRUE(w->close()) << "with room again the place is kept";
  EXPECT_EQ(store_.value("Location/City"), QStringLiteral("Elsewhere"));
}

TEST_F(ClosingQuestionsTest, AChangedListIsSavedOnYesAndAFailedSaveKeepsTheWindowOpen) {
  QFile blocker(dir_.filePath("file"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  const QString list = dir_.filePath("Location.txt");
  ASSERT_TRUE(places::WriteLocationFile(list, places::LocationList(QStringList{places::FormatLocationRecord(
                                                    "Accra", "5.6", "0.19", *places::ZoneIndexOfHours(0.0f))}))
                  .ok);
  // Read from the list, saved below a regular file: no folder can be made.
  auto w = Open({list, dir_.filePath("file/Location.txt")});
  w->ToggleLocationEditor();
  w->locationEditor()->cboCities->setCurrentIndex(0);
  w->locationEditor()->ListRemove();
  {
    MessageBoxWatcher boxes({QMessageBox::Yes, QMessageBox::Ok});
    EXPECT_FALSE(w->close());
    ASSERT_EQ(boxes.seen().size(), 2u);
    EXPECT_EQ(boxes.seen()[0].text, QStringLiteral("Would you like to save the changes\nyou have made to the "
                                                   "Vesperon\nlocation file?"));
    EXPECT_EQ(boxes.seen()[1].icon, QMessageBox::Critical);
    EXPECT_TRUE(boxes.seen()[1].text.contains(dir_.filePath("file/Location.txt"))) << boxes.seen()[1].text;
  }
  EXPECT_TRUE(w->isVisible());
  EXPECT_TRUE(w->locationEditor()->LocationListChanged);
  MessageBoxWatcher boxes({QMessageBox::No});
  EXPECT_TRUE(w->close());
  EXPECT_EQ(places::ReadLocationFile(list).list.Size(), 1) << "No leaves the file as it was";
}

TEST_F(ClosingQuestionsTest, SettingsThatCannotBeSavedAtClosingAreReportedAndNoKeepsTheWindowOpen) {
  auto w = Open();
  w->FlipHints(); // something to save
  const QByteArray before = Bytes(store_.path());
  {
    const ScopedFileSizeLimit limit(0);
    ASSERT_TRUE(limit.Active());
    MessageBoxWatcher boxes({QMessageBox::No});
    EXPECT_FALSE(w->close());
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_EQ(boxes.seen()[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(boxes.seen()[0].text.contains("Vesperon.ini")) << boxes.seen()[0].text;
  }
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(Bytes(store_.path()), before) << "the old store is whole";
  MessageBoxWatcher none;
  EXPECT_TRUE(w->close()) << "with room again the settings are saved";
  EXPECT_TRUE(none.seen().empty());
  EXPECT_EQ(store_.value("Flags/Hints"), QStringLiteral("0"));
}

// A logout: the session manager's quit, or SIGTERM, which the program turns
// into one. What a close writes is written, without a question; the changed
// location, which a close would ask about, stays as stored.
TEST_F(ClosingQuestionsTest, AQuitTheWindowDidNotAskForSavesWithoutAQuestion) {
  const QString transitBefore = store_.value("Flags/Transit");
  {
    auto w = Open();
    test::ApplyLocation(*w, "Elsewhere", "-2.5", "48.75", -1.0f);
    w->FlipTransit();
    MessageBoxWatcher boxes;
    QEvent quit(QEvent::Quit);
    QCoreApplication::sendEvent(qApp, &quit);
    EXPECT_TRUE(boxes.seen().empty()) << boxes.seen().front().text.toStdString();
    EXPECT_NE(store_.value("Flags/Transit"), transitBefore) << "saved before the program ends";
  }
  EXPECT_EQ(store_.value("Location/City"), QStringLiteral("Home"));
}

} // namespace
} // namespace main_window
