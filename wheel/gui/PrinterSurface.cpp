// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel/gui/PrinterSurface.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>
#include <cmath>

#include "platform/FileSystem.h"
#include "platform/MessageService.h"
#include "wheel/Rounding.h"

namespace vostrane {

namespace {
const char* const kCannotStopCaption = "PRINTING CANNOT BE STOPPED NOW!  YOU MUST WAIT!";

int QualityDpi(char quality) {
  switch (quality) {
    case 'D': return 150;
    case 'L': return 300;
    case 'M': return 600;
    case 'H': return 1200;
    default: return 0;
  }
}
}  // namespace

bool LocalePaperIsLetter() { return SystemPaper() == PaperKind::Letter; }

QPageSize LocalePaperSize() { return PaperPageSize(SystemPaper()); }

QPageSize PaperPageSize(PaperKind kind) {
  return QPageSize(kind == PaperKind::Letter ? QPageSize::Letter : QPageSize::A4);
}

QPageLayout::Orientation SheetOrientation(char orientation, const PaperChoice& paper) {
  return orientation == 'P' && !paper.landscape ? QPageLayout::Portrait : QPageLayout::Landscape;
}

PrinterSurface::PrinterSurface(const PrinterSettings& settings)
    : PainterSurface(OutputDevice::Printer), settings_(settings) {}

PrinterSurface::~PrinterSurface() { EndDocument(); }

void PrinterSurface::SetPdfOutput(const std::string& path) { pdfPath_ = path; }

void PrinterSurface::UsePrinter(std::unique_ptr<QPrinter> printer) { chosen_ = std::move(printer); }

namespace {

// Whether a PDF file was written whole: it begins with the PDF mark and
// ends with the end-of-file mark (a full disk cuts the file short).
bool CompletePdf(const std::string& path) {
  QFile f(QString::fromStdString(path));
  if (!f.open(QIODevice::ReadOnly) || f.size() < 16) return false;
  if (!f.read(5).startsWith("%PDF-")) return false;
  f.seek(std::max<qint64>(0, f.size() - 32));
  return f.readAll().contains("%%EOF");
}

}  // namespace

bool PrinterSurface::BeginPrintout(char configuration, char orientation) {
  if (DocumentOpen() && settings_.oneDocumentPerPrintout) EndDocument();
  if (!DocumentOpen()) {
    if (!BeginDocument(configuration, orientation)) return false;
  } else if (pageFinished_) {
    printer_->setPageOrientation(SheetOrientation(orientation, settings_.paper));
    printer_->newPage();
    pageFinished_ = false;
    PrimePainter();
  }
  ComputeMetrics(configuration, orientation);
  SetFont(FontLetter(), 10, 0, FontStyle());
  ApplyPen();
  SetTextRow(metrics_.y0);
  MoveTo(1, metrics_.y0);
  return true;
}

bool PrinterSurface::BeginDocument(char configuration, char orientation) {
  const PrinterConfiguration& config = settings_.Config(configuration);
  const QList<QPrinterInfo> printers = chosen_ || !pdfPath_.empty() ? QList<QPrinterInfo>()
                                                                    : QPrinterInfo::availablePrinters();
  writeFailed_ = false;
  const bool dialogChosen = chosen_ != nullptr;
  toPdf_ = !chosen_ && (!pdfPath_.empty() || printers.isEmpty());
  if (chosen_) {
    // The print dialog's printer: the document goes where the user chose.
    printer_ = std::move(chosen_);
    if (printer_->outputFormat() == QPrinter::PdfFormat && !printer_->outputFileName().isEmpty()) {
      toPdf_ = true;
      pdfPath_ = printer_->outputFileName().toStdString();
      pdfTempPath_ = ReserveTempBeside(pdfPath_);
      printer_->setOutputFileName(QString::fromStdString(pdfTempPath_));
    }
  } else if (toPdf_) {
    if (pdfPath_.empty()) pdfPath_ = "Vostrane.pdf";
    pdfTempPath_ = ReserveTempBeside(pdfPath_);
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setResolution(pdfDpi_);
    printer_->setOutputFileName(QString::fromStdString(pdfTempPath_));
    double w = 0, h = 0;
    settings_.PaperSizeFor(configuration, w, h);
    printer_->setPageSize(w > 0 && h > 0 ? QPageSize(QSizeF(w, h), QPageSize::Inch)
                                         : PaperPageSize(settings_.paper.kind));
    // The margins of the page come from PAGEW.DEF; the PDF page is all
    // printable.
    printer_->setFullPage(true);
  } else {
    const int index = settings_.PrinterIndexFor(configuration);
    const QPrinterInfo info = index >= 0 && index < printers.size() ? printers[index]
                                                                    : QPrinterInfo::defaultPrinter();
    printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  }
  // The job title is a program text (Windows-1252), like every page text.
  printer_->setDocName(SurfaceText(settings_.jobTitle));
  // The dialog's orientation stands too.
  if (!dialogChosen) printer_->setPageOrientation(SheetOrientation(orientation, settings_.paper));
  // The dialog's choices (copies, paper, duplex) stand; the control
  // record's device-mode letters apply to the configured printer.
  if (!dialogChosen) ApplyDeviceMode(config);

  painter_ = std::make_unique<QPainter>();
  // Without its temporary file a PDF is not begun (an empty output name
  // would send the document to a printer instead).
  if ((toPdf_ && pdfTempPath_.empty()) || !painter_->begin(printer_.get())) {
    painter_.reset();
    printer_.reset();
    if (toPdf_) EraseFile(pdfTempPath_);
    writeFailed_ = true;
    ShowMessage("ERROR!  Unable to start printing on " +
                    (toPdf_ ? "the file " + pdfPath_ : std::string("the printer")) + ".",
                MsgIcon::Error);
    return false;
  }
  if (settings_.config1.printerIndex == -2) {
    const bool colour = printer_->depth() > 1;
    settings_.config1.monochrome = settings_.config2.monochrome = !colour;
  }
  pageFinished_ = false;
  ForgetFonts();
  PrimePainter();
  return true;
}

void PrinterSurface::ApplyDeviceMode(const PrinterConfiguration& config) {
  const DeviceModeRequest r = DeviceModeFromLetters(config.deviceLetters, config.copies);
  if (r.Empty()) return;
  if (r.copies > 1) printer_->setCopyCount(r.copies);
  if (r.collate) printer_->setCollateCopies(r.collate == 'T');
  if (r.duplex == 'S') printer_->setDuplex(QPrinter::DuplexNone);
  if (r.duplex == 'H') printer_->setDuplex(QPrinter::DuplexShortSide);
  if (r.duplex == 'V') printer_->setDuplex(QPrinter::DuplexLongSide);
  if (r.colour) printer_->setColorMode(r.colour == 'C' ? QPrinter::Color : QPrinter::GrayScale);
  // The PDF keeps its own resolution; a printer takes the quality's.
  if (r.quality && !toPdf_) printer_->setResolution(QualityDpi(r.quality));
  // Dither type, media type, ICM intent and method and the TrueType option
  // have no counterpart in QPrinter and are left to the printer driver.
}

void PrinterSurface::ComputeMetrics(char configuration, char orientation) {
  const PrinterConfiguration& config = settings_.Config(configuration);
  PrinterPage page;
  const QRectF pixels = printer_->pageRect(QPrinter::DevicePixel);
  const QRectF mm = printer_->pageRect(QPrinter::Millimeter);
  page.pixelWidth = RoundEven(pixels.width());
  page.pixelHeight = RoundEven(pixels.height());
  page.printableWidthMm = mm.width();
  page.printableHeightMm = mm.height();
  // The paper size setting scales the layout page of a printer whose page
  // is not that paper; a PDF page is made in that very size already.
  double a = 0, b = 0;
  if (!toPdf_) settings_.PaperSizeFor(configuration, a, b);
  ReadPageDefinition(pageDef_);

  // An upright page on a sideways sheet takes the sheet's shape with the
  // upright page's text metrics.
  const bool sideways = orientation == 'P' && page.pixelWidth > page.pixelHeight;
  PrinterPage upright = page;
  if (sideways) {
    std::swap(upright.pixelWidth, upright.pixelHeight);
    std::swap(upright.printableWidthMm, upright.printableHeightMm);
  }
  PageMetrics m;
  ComputePrinterPageMetrics(m, upright, orientation, a, b, pageDef_);
  m.monochrome = config.monochrome;
  ComputeDerivedMetrics(m, pageDef_.lines, settings_.widerLines);
  if (sideways) TurnPageOntoSheet(m, page, a, b, pageDef_);
  painter_->setTransform(SheetTransform(m));
  // Table rows are lowered by the glyph font's ascent over the text font's.
  DevSetFont(FontName('A'), 10, TextStyle::Normal, kBlack);
  const int glyphAscent = DevFontAscent();
  DevSetFont(FontName('B'), 10, TextStyle::Normal, kBlack);
  m.baseOffset = glyphAscent - DevFontAscent();
  SetMetrics(m);
  DevSetTextBackground(config.textBackOpaque, config.textBackBlack ? kBlack : kWhite);
}

void PrinterSurface::EndPage(bool final) {
  if (!DocumentOpen()) return;
  const bool continueFlag = Host() ? Host()->ContinueFlag() : true;
  switch (DecidePageEnd(final, settings_.oneDocumentPerPrintout, true, continueFlag)) {
    case PageEnd::EndDocument:
      if (Host()) {
        const std::string previous = Host()->Caption();
        Host()->SetCaption(kCannotStopCaption);
        EndDocument();
        Host()->SetCaption(previous);
      } else {
        EndDocument();
      }
      break;
    case PageEnd::AbortDocument: AbortDocument(); break;
    case PageEnd::NewPage:
      // The new page is begun by the next printout, so that a document
      // never ends with an empty page.
      pageFinished_ = true;
      break;
  }
}

bool PrinterSurface::EndDocument() {
  if (!painter_) return !writeFailed_;
  const bool ok = painter_->end();
  painter_.reset();
  printer_.reset();
  ForgetFonts();
  pageFinished_ = false;
  if (!toPdf_) return ok;
  // Only a whole file replaces the earlier one.
  if (ok && CompletePdf(pdfTempPath_) && RenameFile(pdfTempPath_, pdfPath_)) return true;
  EraseFile(pdfTempPath_);
  writeFailed_ = true;
  ShowMessage("ERROR!  Unable to write the file " + pdfPath_ +
                  ".\r\nThe disk may be full or the folder closed to writing; an earlier file of that "
                  "name is kept as it was.",
              MsgIcon::Error);
  return false;
}

void PrinterSurface::AbortDocument() {
  if (!painter_) return;
  if (!toPdf_) printer_->abort();
  painter_->end();
  painter_.reset();
  printer_.reset();
  ForgetFonts();
  pageFinished_ = false;
  if (toPdf_) EraseFile(pdfTempPath_);
}

}  // namespace vostrane
