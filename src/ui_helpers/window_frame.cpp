// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_frame.h"

#include "button_palette.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <cmath>

namespace ui_helpers {

void ApplyFrameColours(QWidget* frame, const QColor& background, const QColor& text) {
  QPalette palette = frame->palette();
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::WindowText, text);
  frame->setPalette(palette);
  frame->update();
}

QPushButton* FrameButton(QWidget* parent, const QString& caption, const char* objectName) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QLatin1String(objectName));
  b->setPalette(ButtonPalette());
  return b;
}

int PrimaryScreenDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? static_cast<int>(std::lround(screen->logicalDotsPerInch())) : 96;
}

} // namespace ui_helpers
