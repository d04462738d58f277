// SPDX-License-Identifier: GPL-3.0-or-later
// The printer surface: pages of a printer document through QPrinter. When no
// printer is installed (or a PDF file is asked for) the document is written
// as a PDF file instead, into a temporary file that replaces the output file
// only when the document is complete.
#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <memory>
#include <string>

#include "wheel/PageDefinition.h"
#include "wheel/PrinterSettings.h"
#include "wheel/gui/PainterSurface.h"

namespace vostrane {

// Whether the paper of the system's locale is Letter rather than A4
// (SystemPaper in wheel/Paper.h).
bool LocalePaperIsLetter();
// That paper.
QPageSize LocalePaperSize();
QPageSize PaperPageSize(PaperKind kind);
// The sheet's orientation: sideways for a landscape printout or a
// landscape paper choice.
QPageLayout::Orientation SheetOrientation(char orientation, const PaperChoice& paper);

class PrinterSurface : public PainterSurface {
 public:
  explicit PrinterSurface(const PrinterSettings& settings);
  ~PrinterSurface() override;  // ends an open document

  // Writes PDF to this file instead of a printer (also the fall-back when no
  // printer is installed; default "<job title>.pdf" in the working folder).
  void SetPdfOutput(const std::string& path);
  const std::string& PdfOutput() const { return pdfPath_; }
  // Resolution of the PDF output in dots per inch (default 600).
  void SetPdfResolution(int dpi) { pdfDpi_ = dpi; }
  const PrinterSettings& Settings() const { return settings_; }

  // Steps of a printout: ends the open document first when every printout
  // gets its own document; begins a document when none is open (printer,
  // device-mode letters, orientation); computes the page metrics from the
  // device page and PAGEW.DEF. False when the document cannot be begun.
  bool BeginPrintout(char configuration, char orientation) override;
  // Final page with one document per printout: ends the document (the
  // caption says it cannot be stopped meanwhile) or, when the viewer's
  // continue flag was cleared, aborts it. Otherwise the next printout
  // starts a new page.
  void EndPage(bool final) override;
  // Ends the open document, if any (pages of several printouts collected
  // into one document are handed over here). A PDF file is written whole
  // into its temporary file, checked and only then renamed over the output
  // file; false (with the message shown) when it could not be written, the
  // earlier file being left as it was.
  bool EndDocument();
  // Whether the last PDF document failed to be written (or begun).
  bool WriteFailed() const { return writeFailed_; }
  // Paper of a PDF document without a configured paper size (by default the
  // paper chosen in the settings).
  void SetDefaultPaper(bool letter) {
    settings_.paper.kind = letter ? PaperKind::Letter : PaperKind::A4;
  }
  // Prints on this printer, as set up by the print dialog (printer, copies,
  // paper, page range); the surface takes it over. Without it the
  // configuration's printer is used.
  void UsePrinter(std::unique_ptr<QPrinter> printer);
  bool DocumentOpen() const { return painter_ != nullptr; }
  // The page definition used for the last page metrics.
  const PageDefinition& PageDef() const { return pageDef_; }

 protected:
  QPainter* Painter() override { return painter_.get(); }
  QPaintDevice* MeasureDevice() override { return printer_.get(); }

 private:
  bool BeginDocument(char configuration, char orientation);
  void ApplyDeviceMode(const PrinterConfiguration& config);
  void AbortDocument();
  void ComputeMetrics(char configuration, char orientation);

  PrinterSettings settings_;
  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<QPainter> painter_;
  PageDefinition pageDef_;
  std::string pdfPath_;
  std::string pdfTempPath_;
  bool toPdf_ = false;
  bool pageFinished_ = false;
  bool writeFailed_ = false;
  std::unique_ptr<QPrinter> chosen_;
  int pdfDpi_ = 600;
};

}  // namespace vostrane
