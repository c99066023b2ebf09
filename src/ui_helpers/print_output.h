// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Sends a document to the system's default printer without a dialog. With no
// printer installed the pages go to a new PDF file in the user's documents
// folder instead, and the user is told where; a printer that fails is named
// in the message.

#include <QPageLayout>
#include <QString>
#include <functional>

class QPainter;
class QPrinter;
class QWidget;

namespace ui_helpers {

// Draws the document's pages on a painter that is open on the printer.
using PageWriter = std::function<void(QPainter&, QPrinter&)>;

struct PrintOutcome {
  enum class Kind { Printed, SavedAsPdf, Failed };
  Kind kind = Kind::Failed;
  QString pdfPath; // the file written, for SavedAsPdf
  QString message; // what the user is told; empty for Printed
};

// The pages as "<documentName>.pdf" (or a numbered name when that exists) in
// folder. A file that could not be written whole is removed again and the
// outcome names it and the reason.
PrintOutcome SaveAsPdf(const QString& folder, const QString& documentName, const PageWriter& write,
                       QPageLayout::Orientation orientation = QPageLayout::Portrait);

// The default printer, or SaveAsPdf in the documents folder when there is
// none.
PrintOutcome PrintOnDefaultPrinter(const QString& documentName, const PageWriter& write,
                                   QPageLayout::Orientation orientation = QPageLayout::Portrait);

// A message box for a PDF written instead or a failure; nothing for a print.
void ReportPrintOutcome(QWidget* parent, const PrintOutcome& outcome);

// PrintOnDefaultPrinter, then ReportPrintOutcome.
PrintOutcome PrintAndReport(QWidget* parent, const QString& documentName, const PageWriter& write,
                            QPageLayout::Orientation orientation = QPageLayout::Portrait);

} // namespace ui_helpers
