// SPDX-License-Identifier: GPL-3.0-or-later
// The About box: program name and version, the sources of the program's
// data with their licences, and three contact lines; the optional text file
// "y.dat" replaces the contact lines.
#pragma once

#include <QDialog>
#include <QLabel>

namespace vostrane {

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);

  // Contact line k (0 to 2), the lines "y.dat" replaces.
  QLabel* ContactLabel(int k) const { return contacts_[k]; }
  QLabel* YearLabel() const { return year_; }
  QLabel* MakerLabel() const { return maker_; }
  QLabel* SourcesLabel() const { return sources_; }

 private:
  QLabel* contacts_[3] = {};
  QLabel* year_ = nullptr;
  QLabel* maker_ = nullptr;
  QLabel* sources_ = nullptr;
};

}  // namespace vostrane
