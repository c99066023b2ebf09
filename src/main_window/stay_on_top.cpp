// SPDX-License-Identifier: GPL-3.0-or-later
#include "stay_on_top.h"

#include <QCoreApplication>

namespace main_window {

QString WhyNoStayOnTop(const QString& platformName) {
  // "wayland", "wayland-egl", "wayland-brcm" and the like.
  if (!platformName.startsWith(QLatin1String("wayland"))) return {};
  return QCoreApplication::translate("main_window", "Not available on Wayland: the desktop alone decides which "
                                                   "window is on top, and a program cannot ask to stay there.");
}

} // namespace main_window
