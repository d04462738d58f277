// The notice shown when another Vostrane already holds the single-instance lock.
#pragma once

#include <QDialog>

namespace vostrane {

class TZorRunningForm : public QDialog {
  Q_OBJECT

 public:
  explicit TZorRunningForm(QWidget* parent = nullptr);
};

}  // namespace vostrane
