// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gui/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace vostrane {

bool FontFamilyInstalled(const std::string& family) {
  const QString wanted = QString::fromStdString(family);
  const QStringList families = QFontDatabase::families();
  for (const QString& f : families)
    if (f == wanted) return true;
  return false;
}

bool AddFontFile(const std::string& path) {
  return QFontDatabase::addApplicationFont(QString::fromStdString(path)) >= 0;
}

}  // namespace vostrane
