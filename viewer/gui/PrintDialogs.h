// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs of the viewer's print commands: the system print dialog and
// the file dialog of "Save as PDF...". The viewer reaches them through
// replaceable functions, so that tests can give their answers.
#pragma once

#include <functional>
#include <string>

class QPrinter;
class QWidget;

namespace vostrane {

// Shows the print dialog for the printer (printer, copies, paper, page
// range); true when the user chose to print.
using PrintDialogFn = std::function<bool(QPrinter& printer, QWidget* parent)>;
// Asks for the PDF file to write, starting at the suggested path; "" when
// the user cancelled. Replacing a file is asked about afterwards.
using SaveFileFn = std::function<std::string(QWidget* parent, const std::string& suggested)>;

bool SystemPrintDialog(QPrinter& printer, QWidget* parent);
std::string AskPdfFileName(QWidget* parent, const std::string& suggested);
std::string AskSvgFileName(QWidget* parent, const std::string& suggested);

// The path with ".pdf" added when its file name has no extension.
std::string WithPdfExtension(const std::string& path);
// The path with `extension` (".svg") added when its file name has none.
std::string WithExtension(const std::string& path, const std::string& extension);

}  // namespace vostrane
