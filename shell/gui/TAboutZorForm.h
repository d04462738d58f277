// The About box: program name, platform line and contact lines; the optional
// text file "y.dat" replaces the telephone, fax and order lines.
#pragma once

#include <QDialog>
#include <QLabel>

namespace vostrane {

class TAboutZorForm : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutZorForm(QWidget* parent = nullptr);

  QLabel* PhoneLabel() const { return phone_; }
  QLabel* FaxLabel() const { return fax_; }
  QLabel* OrderLabel() const { return order_; }
  QLabel* YearLabel() const { return year_; }
  QLabel* MakerLabel() const { return maker_; }

 private:
  QLabel* phone_ = nullptr;
  QLabel* fax_ = nullptr;
  QLabel* order_ = nullptr;
  QLabel* year_ = nullptr;
  QLabel* maker_ = nullptr;
};

}  // namespace vostrane
