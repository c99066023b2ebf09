// SPDX-License-Identifier: GPL-3.0-or-later
// The main window and the month table window with the settings store: two
// copies of the program on one store, a save stopped by a file-size limit,
// and a store that is no regular file.

#include "main_window/main_window.h"

#include "apply_location.h"

#include "../support/message_box_watcher.h"
#include "../support/qstring_printer.h"
#include "../support/scoped_file_size_limit.h"
#include "../support/temporary_store.h"
#include "location_editor/location_editor.h"
#include "month_table_window/list_window.h"
#include "settings/settings_store.h"

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <sys/stat.h>

namespace main_window {
namespace {

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(SharedStore, TwoCopiesKeepEachOthersChangesAndNeitherAsksAboutAPlaceItLeftAlone) {
  TemporaryStore store{{{"Location/City", "Home"},
                        {"Location/TimeZone", "5"},
                        {"Location/Latitude", "42.5"},
                        {"Location/Longitude", "85.25"}}};
  const QTemporaryDir dir;
  const places::LocationFilePaths noList{dir.filePath("none.txt"), dir.filePath("none.txt")};
  auto first = std::make_unique<TfrmVesperon>(store.factory(), nullptr, noList);
  auto second = std::make_unique<TfrmVesperon>(store.factory(), nullptr, noList);
  first->show();
  second->show();
  first->SetTwilight(0);
  first->ShowList();
  first->listWindow()->menuAction("mnuGroup5")->trigger();
  second->FlipStatus();
  second->ShowList();
  second->listWindow()->menuAction("mnuGrid")->trigger();
  test::ApplyLocation(*second, "Elsewhere", "-2.5", "48.75", -1.0f);

  {
    MessageBoxWatcher boxes({QMessageBox::Yes});
    EXPECT_TRUE(second->close());
    EXPECT_EQ(boxes.seen().size(), 1u) << "the second copy asks to keep its new place";
  }
  second.reset();
  {
    MessageBoxWatcher boxes;
    EXPECT_TRUE(first->close());
    EXPECT_TRUE(boxes.seen().empty()) << boxes.seen().front().text;
  }
  first.reset();
  EXPECT_EQ(store.value("Location/City"), QStringLiteral("Elsewhere"));
  EXPECT_EQ(store.value("Flags/Status"), QStringLiteral("0")) << "the second copy's change stays";
  EXPECT_EQ(store.value("Flags/GridLines"), QStringLiteral("1")) << "the second copy's change stays";
  EXPECT_EQ(store.value("Flags/Twilight"), QStringLiteral("0")) << "the first copy's change is saved";
  EXPECT_EQ(store.value("Flags/Group5"), QStringLiteral("1")) << "the first copy's change is saved";
}

TEST(SharedStore, ASaveStoppedByAFileSizeLimitLeavesTheStoreWholeWithTheListWindowOpened) {
  // Another program's value makes the store nearly as large as the limit:
  // room for QSettings' lock file, not for the store with more values.
  const std::string note(420, 'x');
  TemporaryStore store{{{"Flags/Status", "1"}, {"Other/Note", note.c_str()}}};
  const QByteArray before = Bytes(store.path());
  {
    const ScopedFileSizeLimit limit(512); // bytes
    ASSERT_TRUE(limit.Active());
    TfrmVesperon w(store.factory());
    w.show();
    w.ShowList();
    w.listWindow()->menuAction("mnuGroup5")->trigger();
    w.SetTwilight(0);
    MessageBoxWatcher boxes({QMessageBox::Yes});
    EXPECT_TRUE(w.close());
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_TRUE(boxes.seen()[0].text.contains("Close without saving the settings?")) << boxes.seen()[0].text;
    EXPECT_TRUE(boxes.seen()[0].text.contains("could not be saved to " + store.path())) << boxes.seen()[0].text;
  } // both windows are destroyed under the limit
  EXPECT_EQ(Bytes(store.path()), before);
}

TEST(SharedStore, AStoreThatIsNoRegularFileIsNeitherReadNorWrittenAndTheUserIsToldOnce) {
  const struct {
    const char* kind;
    std::function<bool(const QString&)> make;
  } cases[] = {
      {"a FIFO", [](const QString& path) { return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0; }},
      {"a link to /dev/zero", [](const QString& path) { return QFile::link(QStringLiteral("/dev/zero"), path); }},
  };
  for (const auto& c : cases) {
    const QTemporaryDir dir;
    const QString path = dir.filePath("Vesperon.ini");
    ASSERT_TRUE(c.make(path)) << c.kind;
    const QFileInfo made(path);
    {
      MessageBoxWatcher boxes;
      TfrmVesperon w(path);
      w.show();
      EXPECT_TRUE(QTest::qWaitFor([&boxes] { return !boxes.seen().empty(); }, 5000)) << c.kind;
      EXPECT_EQ(w.options(), settings::LoadSettings(QSettings(dir.filePath("none.ini"), QSettings::IniFormat),
                                                    QDateTime::currentDateTime().isDaylightTime()))
          << "the defaults, with " << c.kind;
      w.SetTwilight(0);
      EXPECT_TRUE(w.close());
      ASSERT_EQ(boxes.seen().size(), 1u) << c.kind;
      EXPECT_EQ(boxes.seen()[0].icon, QMessageBox::Warning);
      EXPECT_EQ(boxes.seen()[0].text,
                QStringLiteral("The settings could not be read from %1 (it is not a regular file).\n\n"
                               "Vesperon starts with its default settings and does not save them to that file.")
                    .arg(path));
    }
    const QFileInfo after(path);
    EXPECT_EQ(after.isSymLink(), made.isSymLink()) << c.kind;
    EXPECT_EQ(after.symLinkTarget(), made.symLinkTarget()) << c.kind;
    EXPECT_FALSE(after.isFile()) << c.kind << " is left as it was";
  }
}

// A stored name of megabytes is cut to 256 characters, and the user is told
// once.
TEST(SharedStore, AStoredNameOver256CharactersIsCutWithOneNotice) {
  const QByteArray name(1'000'000, 'x');
  TemporaryStore store{{{"Location/City", name.constData()},
                        {"Location/TimeZone", "5"},
                        {"Location/Latitude", "42.5"},
                        {"Location/Longitude", "85.25"}}};
  MessageBoxWatcher boxes;
  TfrmVesperon w(store.factory());
  w.show();
  EXPECT_TRUE(QTest::qWaitFor([&boxes] { return !boxes.seen().empty(); }, 5000));
  EXPECT_EQ(w.options().Location.SiteName, QString(256, QLatin1Char('x')));
  EXPECT_TRUE(w.close());
  ASSERT_EQ(boxes.seen().size(), 1u);
  EXPECT_EQ(boxes.seen()[0].icon, QMessageBox::Information);
  EXPECT_EQ(boxes.seen()[0].text, QStringLiteral("The place name stored in %1 is longer than 256 characters; only its "
                                                 "first 256 are used.")
                                      .arg(store.path()));
  EXPECT_EQ(store.value("Location/City").size(), name.size()) << "the stored name is left as it was";
}

// A stored number that cannot be read is taken as 0, not silently: the user
// is told once, and the stored text is left for the user to mend.
TEST(SharedStore, AStoredNumberThatCannotBeReadIsToldOnce) {
  TemporaryStore store{{{"Location/City", "Home"},
                        {"Location/TimeZone", "5"},
                        {"Location/Latitude", "42\u066B97x"},
                        {"Location/Longitude", "85.25"}}};
  MessageBoxWatcher boxes;
  TfrmVesperon w(store.factory());
  w.show();
  EXPECT_TRUE(QTest::qWaitFor([&boxes] { return !boxes.seen().empty(); }, 5000));
  EXPECT_EQ(w.options().Location.SiteLatitude, 0.0f);
  EXPECT_EQ(w.options().Location.SiteLongitude, 85.25f);
  EXPECT_TRUE(w.close());
  ASSERT_EQ(boxes.seen().size(), 1u);
  EXPECT_EQ(boxes.seen()[0].icon, QMessageBox::Information);
  EXPECT_EQ(boxes.seen()[0].text, QString::fromUtf8("The latitude stored in %1, \"42\u066B97x\", is not a number from "
                                                    "-90 to 90; 0 is used instead.")
                                      .arg(store.path()));
  EXPECT_EQ(store.value("Location/Latitude"), QString::fromUtf8("42\u066B97x")) << "left as it was";
}

// A name an 8-bit system stored in Latin-1 shows as such, and a close that
// changed nothing of it leaves its bytes as they were.
TEST(SharedStore, ALatin1NameShowsAsLatin1AndKeepsItsBytesThroughAClose) {
  const QTemporaryDir dir;
  const QString path = dir.filePath("Vesperon.ini");
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Location]\r\nCity=Caf\xe9\r\nTimeZone=0\r\nLatitude=45\r\nLongitude=-5\r\n");
  }
  TfrmVesperon w(path);
  w.show();
  EXPECT_EQ(w.options().Location.SiteName, QStringLiteral("Caf\u00e9"));
  w.SetTwilight(0); // something to save
  EXPECT_TRUE(w.close());
  EXPECT_TRUE(Bytes(path).contains("\nTwilight=0")) << "the close saved";
  EXPECT_TRUE(Bytes(path).contains("\nCity=Caf\xe9\n")) << Bytes(path).toStdString();
}

} // namespace
} // namespace main_window
