// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gui/QtMessageService.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

#include "platform/CodePage.h"

namespace vostrane {

QString ToQt(const std::string& text) {
  QString s = QString::fromStdString(Cp1252ToUtf8(text));
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return s;
}

std::string FromQt(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

namespace {

void SetUp(QMessageBox& box, const std::string& text, MsgIcon icon, const std::string& caption) {
  box.setWindowTitle(ToQt(caption));
  box.setText(ToQt(text));
  switch (icon) {
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Confirmation: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Error: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
  }
}

}  // namespace

int QtMessageService::Choose(const std::string& text, const std::vector<std::string>& choices,
                             MsgIcon icon, const std::string& caption) {
  QMessageBox box(QApplication::activeWindow());
  SetUp(box, text, icon, caption);
  std::vector<QAbstractButton*> buttons;
  for (const std::string& choice : choices)
    buttons.push_back(box.addButton(ToQt(choice), QMessageBox::ActionRole));
  if (buttons.empty()) return 0;
  box.setDefaultButton(qobject_cast<QPushButton*>(buttons.front()));
  box.setEscapeButton(buttons.back());
  box.exec();
  const auto chosen = std::find(buttons.begin(), buttons.end(), box.clickedButton());
  return chosen == buttons.end() ? static_cast<int>(buttons.size()) - 1
                                 : static_cast<int>(chosen - buttons.begin());
}

MsgAnswer QtMessageService::Show(const std::string& text, MsgIcon icon, MsgButtons buttons,
                                 const std::string& caption) {
  QMessageBox box(QApplication::activeWindow());
  SetUp(box, text, icon, caption);
  if (buttons == MsgButtons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return MsgAnswer::Ok;
}

}  // namespace vostrane
