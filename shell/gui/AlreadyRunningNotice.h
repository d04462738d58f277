// SPDX-License-Identifier: GPL-3.0-or-later
// The notice shown when another Vostrane already holds the single-instance lock.
#pragma once

#include <QDialog>

namespace vostrane {

class AlreadyRunningNotice : public QDialog {
  Q_OBJECT

 public:
  explicit AlreadyRunningNotice(QWidget* parent = nullptr);
};

}  // namespace vostrane
