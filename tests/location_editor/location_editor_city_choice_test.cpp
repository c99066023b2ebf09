// SPDX-License-Identifier: GPL-3.0-or-later
// The location editor's drop-down lists with a list of places as long as the
// shipped one: finding a place by typing, rows shown, long names.

#include "location_editor/location_editor.h"

#include "../support/qstring_printer.h"
#include "places/location_record.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace location_editor {
namespace {

class CityChoiceTest : public ::testing::Test {
protected:
  void SetUp() override {
    QStringList records;
    for (const char* name : {"Zagreb, Croatia", "Zürich, Switzerland", "Zurich, USA", "Łódź, Poland",
                             "São Paulo, Brazil", "Ta'izz, Yemen", "Kochi, India", "Kochi, Japan", "Astana, Kazakhstan"})
      records.append(places::FormatLocationRecord(QString::fromUtf8(name), QStringLiteral("1.00"), QStringLiteral("2.00"), *places::ZoneIndexOfHours(-1.0f)));
    for (int i = 0; i < 60; ++i) // more than any screen holds as rows
      records.append(places::FormatLocationRecord(QStringLiteral("Place %1, Nowhere").arg(i, 2, 10, QLatin1Char('0')),
                                          QStringLiteral("3.00"), QStringLiteral("4.00"), 24));
    ASSERT_TRUE(places::WriteLocationFile(path_, places::LocationList(records)).ok);
    editor_ = new LocationEditor(&window_, [](int pixels) { return pixels; }, {path_, path_});
    window_.resize(300, 200);
    window_.show();
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    editor_->show();
    settings::SiteLocation current;
    current.SiteName = QString::fromUtf8("Zürich, Switzerland");
    ASSERT_TRUE(editor_->Open(current));
  }
  // Letters typed after a pause start a new search. Each is a key press with
  // its text, as a keyboard with that letter sends it.
  void TypeAfterAPause(QWidget* target, const char* text) {
    QTest::qWait(QApplication::keyboardInputInterval() + 50);
    for (const QChar letter : QString::fromUtf8(text)) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
      QApplication::sendEvent(target, &press);
    }
  }

  QTemporaryDir dir_;
  QString path_ = dir_.filePath(QStringLiteral("Location.txt"));
  QWidget window_;
  LocationEditor* editor_ = nullptr;
};

TEST_F(CityChoiceTest, TypingFindsAPlaceWhateverTheCaseAndAccents) {
  const struct {
    const char* typed;
    const char* found;
  } cases[] = {
      {"zurich", "Zürich, Switzerland"}, {"Zür", "Zürich, Switzerland"}, {"ZURICH, U", "Zurich, USA"},
      {"lodz", "Łódź, Poland"},          {"sao", "São Paulo, Brazil"},   {"ta'i", "Ta'izz, Yemen"},
      {"cochin", "Kochi, India"},        {"nur-s", "Astana, Kazakhstan"}, // former names, built into the program
  };
  for (const auto& c : cases) {
    editor_->cboCities->setCurrentIndex(editor_->cboCities->count() / 2); // a "Place", away from all of them
    editor_->cboCities->setFocus();
    TypeAfterAPause(editor_->cboCities, c.typed);
    EXPECT_EQ(editor_->cboCities->currentText(), QString::fromUtf8(c.found)) << c.typed;
    EXPECT_EQ(editor_->txtCLoc->text(), QString::fromUtf8(c.found)) << "the fields follow the choice";
  }
}

TEST_F(CityChoiceTest, TypingInTheOpenListFindsThePlaceToo) {
  editor_->cboCities->setCurrentIndex(editor_->cboCities->count() / 2);
  editor_->cboCities->showPopup();
  QAbstractItemView* list = editor_->cboCities->view();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
  TypeAfterAPause(list, "lodz");
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(editor_->cboCities->currentText(), QString::fromUtf8("Łódź, Poland"));
  EXPECT_EQ(editor_->txtCLoc->text(), QString::fromUtf8("Łódź, Poland"));
}

TEST_F(CityChoiceTest, BothDropDownListsOpenAUsableNumberOfRows) {
  for (QComboBox* box : {editor_->cboCities, editor_->cboTZ}) {
    SCOPED_TRACE(box->objectName().toStdString());
    box->showPopup();
    QAbstractItemView* list = box->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    const int rows = list->viewport()->height() / list->sizeHintForRow(0);
    EXPECT_GE(rows, 10);
    EXPECT_LE(rows, 16);
    EXPECT_TRUE(list->verticalScrollBar()->isVisible()) << "a scroll bar for the rows out of sight";
    for (int i = 0; i < box->count(); ++i)
      EXPECT_GE(list->viewport()->width(), list->fontMetrics().horizontalAdvance(box->itemText(i)))
          << "the whole of " << box->itemText(i).toStdString();
    box->hidePopup();
  }
}

TEST_F(CityChoiceTest, ALongNameShowsItsStart) {
  ASSERT_LT(editor_->txtCLoc->width(), editor_->txtCLoc->fontMetrics().horizontalAdvance(editor_->txtCLoc->text()))
      << "the name is longer than its field";
  EXPECT_EQ(editor_->txtCLoc->cursorPosition(), 0) << "opened";
  editor_->cboCities->setFocus();
  TypeAfterAPause(editor_->cboCities, "sao");
  EXPECT_EQ(editor_->txtCLoc->cursorPosition(), 0) << "chosen from the list";
  QTest::keyClick(editor_->cboCities, Qt::Key_Tab);
  ASSERT_TRUE(editor_->txtCLoc->hasFocus());
  QTest::keyClick(editor_->txtCLoc, Qt::Key_Tab);
  ASSERT_FALSE(editor_->txtCLoc->hasFocus());
  EXPECT_EQ(editor_->txtCLoc->cursorPosition(), 0) << "after Tab has passed through";
}

} // namespace
} // namespace location_editor
