#include "platform/gui/QtMessageService.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/CodePage.h"

namespace vostrane {

QString ToQt(const std::string& text) {
  QString s = QString::fromStdString(Cp1252ToUtf8(text));
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return s;
}

std::string FromQt(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

MsgAnswer QtMessageService::Show(const std::string& text, MsgIcon icon, MsgButtons buttons,
                                 const std::string& caption) {
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(ToQt(caption));
  box.setText(ToQt(text));
  switch (icon) {
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Confirmation: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Error: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
  }
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
