// SPDX-License-Identifier: GPL-3.0-or-later
// Import and export of persons from the main window: the file chosen in a
// file dialog, what an import will do shown before anything is written
// (persons to add, lines that cannot be read with their numbers, characters
// that will be transliterated), and a question before each person on file
// whose birth data the file would change.
#pragma once

#include <QString>
#include <QWidget>

namespace vostrane {

void ImportPersonsClick(QWidget* parent);
void ExportPersonsClick(QWidget* parent);

// The same for a file already chosen (the tests call these).
void ImportPersonsFrom(const QString& path);
void ExportPersonsTo(const QString& path);

}  // namespace vostrane
