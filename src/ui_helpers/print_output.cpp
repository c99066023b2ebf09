// SPDX-License-Identifier: GPL-3.0-or-later
#include "print_output.h"

#include "pdf_file_name.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace ui_helpers {
namespace {

struct Texts {
  Q_DECLARE_TR_FUNCTIONS(ui_helpers)
};

// A PDF written whole ends with its end-of-file marker; a full disk cuts it off.
bool IsWholePdf(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() < 8) return false;
  file.seek(std::max<qint64>(0, file.size() - 32));
  return file.readAll().contains("%%EOF");
}

PrintOutcome Failure(QString message) { return {PrintOutcome::Kind::Failed, {}, std::move(message)}; }

} // namespace

PrintOutcome SaveAsPdf(const QString& folder, const QString& documentName, const PageWriter& write,
                       QPageLayout::Orientation orientation) {
  const ReservedFile file = ReservePdfFile(folder, documentName);
  if (file.path.isEmpty()) return Failure(Texts::tr("No printer is installed, and the document could not be saved as a PDF. %1").arg(file.error));

  const QString shownPath = QDir::toNativeSeparators(file.path);
  {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file.path);
    printer.setDocName(documentName);
    printer.setPageOrientation(orientation);
    QPainter painter;
    if (painter.begin(&printer)) {
      write(painter, printer);
      painter.end();
    }
  }
  if (!IsWholePdf(file.path)) {
    QFile::remove(file.path);
    return Failure(Texts::tr("No printer is installed, and the PDF file \"%1\" could not be written "
                             "(the disk may be full or the folder not writable).")
                       .arg(shownPath));
  }
  return {PrintOutcome::Kind::SavedAsPdf, file.path,
          Texts::tr("No printer is installed. The document was saved as a PDF file:\n%1").arg(shownPath)};
}

PrintOutcome PrintOnDefaultPrinter(const QString& documentName, const PageWriter& write,
                                   QPageLayout::Orientation orientation) {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) {
    return SaveAsPdf(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), documentName, write,
                     orientation);
  }
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setDocName(documentName);
  printer.setPageOrientation(orientation);
  QPainter painter;
  if (!painter.begin(&printer)) {
    return Failure(Texts::tr("The printer \"%1\" could not start printing \"%2\".").arg(info.printerName(), documentName));
  }
  write(painter, printer);
  const bool ended = painter.end();
  if (!ended || printer.printerState() == QPrinter::Error) {
    return Failure(Texts::tr("The printer \"%1\" reported an error while printing \"%2\".")
                       .arg(info.printerName(), documentName));
  }
  return {PrintOutcome::Kind::Printed, {}, {}};
}

void ReportPrintOutcome(QWidget* parent, const PrintOutcome& outcome) {
  switch (outcome.kind) {
  case PrintOutcome::Kind::Printed:
    break;
  case PrintOutcome::Kind::SavedAsPdf:
    QMessageBox::information(parent, Texts::tr("Print"), outcome.message);
    break;
  case PrintOutcome::Kind::Failed:
    QMessageBox::critical(parent, Texts::tr("Print"), outcome.message);
    break;
  }
}

PrintOutcome PrintAndReport(QWidget* parent, const QString& documentName, const PageWriter& write,
                            QPageLayout::Orientation orientation) {
  PrintOutcome outcome = PrintOnDefaultPrinter(documentName, write, orientation);
  ReportPrintOutcome(parent, outcome);
  return outcome;
}

} // namespace ui_helpers
