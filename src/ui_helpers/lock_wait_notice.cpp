// SPDX-License-Identifier: GPL-3.0-or-later
#include "lock_wait_notice.h"

#include "settings/file_lock.h"

#include <QApplication>
#include <QPointer>
#include <QProgressDialog>

namespace ui_helpers {
namespace {

void ShowWait(const QString& message) {
  static QPointer<QProgressDialog> dialog;
  if (message.isEmpty()) {
    if (dialog) {
      delete dialog;
      QApplication::restoreOverrideCursor();
    }
    return;
  }
  if (!dialog) {
    dialog = new QProgressDialog(message, QString(), 0, 0, QApplication::activeWindow());
    dialog->setWindowTitle(QStringLiteral("Vesperon"));
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setMinimumDuration(0);
    dialog->show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
  }
  dialog->setLabelText(message);
  // The save runs in this thread: the window is painted only from here.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

void ShowLockWaits() { settings::SetLockWaitNotice(ShowWait); }

} // namespace ui_helpers
