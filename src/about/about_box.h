// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The About box: the product's name and version, who makes it and where to
// reach it, and a small moon disc that runs through the phases every five
// seconds.

#include <QColor>
#include <QDialog>
#include <QImage>

class QFrame;
class QPushButton;
class QTimer;

namespace about {

// What the disc needs from the main window.
struct AboutDisc {
  float illumPercent = 0.0f; // the day view's signed illuminated percentage
  QColor moon = Qt::white;   // the lit part
  QColor background;         // the main window's background, around the disc
  bool northernView = true;  // a waxing Moon lit on the right
};

// "Vesperon Version 1.0.0 (64 Bit)": this build's version and word size.
QString ProductNameText();

// One animation step: 2 percent on, and past full (100) back to -100, so that
// the waning phases follow.
float NextAnimationValue(float pct);

class TfrmAbout : public QDialog {
  Q_OBJECT
public:
  TfrmAbout(const AboutDisc& disc, QWidget* parent = nullptr);

  float animationValue() const { return animation_; }
  const QImage& bitmap() const { return bitmap_; }
  bool animating() const;

protected:
  bool event(QEvent* event) override;
  void done(int result) override;

private:
  void FormActivate();
  void Timer2Timer();
  void DrawDisc();
  int S(int pixels) const;

  AboutDisc disc_;
  float animation_;
  int dpi_ = 96;
  QImage bitmap_;
  QFrame* Panel2 = nullptr;
  QWidget* pbAbout = nullptr;
  QPushButton* cmdAboutOK = nullptr;
  QTimer* Timer2 = nullptr;
};

// Creates the box, shows it modally and destroys it.
void ShowAboutBox(const AboutDisc& disc, QWidget* parent);

} // namespace about
