// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gui/HelpWindow.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPointer>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/FileSystem.h"
#include "platform/MessageService.h"

namespace vostrane {
namespace {

QPointer<QDialog>& GuideWindow() {
  static QPointer<QDialog> window;
  return window;
}

std::function<void(QWidget*)>& AboutHandler() {
  static std::function<void(QWidget*)> handler;
  return handler;
}

// A window that a modal form does not block: a child of that form when one
// is running.
QDialog* NewGuideWindow() {
  auto* window = new QDialog(QApplication::activeModalWidget(), Qt::Window);
  window->setObjectName("UserGuide");
  window->setWindowTitle("Vostrane User Guide");
  window->setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(window);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* browser = new QTextBrowser(window);
  browser->setObjectName("UserGuideBrowser");
  browser->setOpenExternalLinks(true);
  layout->addWidget(browser);
  window->resize(760, 620);
  return window;
}

}  // namespace

void ShowUserGuide(const std::string& section) {
  if (!FileExists(kUserGuideFile)) {
    ShowMessage(
        std::string("The user guide ") + kUserGuideFile + " is not on disk. Re-install Vostrane.",
        MsgIcon::Error);
    return;
  }
  QPointer<QDialog>& window = GuideWindow();
  // A window left behind a form that has since closed is made anew.
  if (window && window->parentWidget() != QApplication::activeModalWidget()) window->close();
  if (!window) window = NewGuideWindow();
  QUrl url = QUrl::fromLocalFile(QDir::current().absoluteFilePath(kUserGuideFile));
  if (!section.empty()) url.setFragment(QString::fromStdString(section));
  QTextBrowser* browser = UserGuideBrowser();
  browser->setSource(url);
  if (!section.empty()) browser->scrollToAnchor(QString::fromStdString(section));
  window->show();
  window->raise();
  window->activateWindow();
}

QTextBrowser* UserGuideBrowser() {
  QDialog* window = GuideWindow();
  return window ? window->findChild<QTextBrowser*>("UserGuideBrowser") : nullptr;
}

void SetAboutHandler(std::function<void(QWidget*)> handler) { AboutHandler() = std::move(handler); }

void AddHelpMenu(QMenuBar* menuBar, QWidget* owner) {
  QMenu* help = menuBar->addMenu("&Help");
  help->setObjectName("HelpMenu");
  QAction* guide = help->addAction("&User Guide", [] { ShowUserGuide(); });
  guide->setShortcut(QKeySequence(Qt::Key_F1));
  guide->setShortcutContext(Qt::WindowShortcut);
  help->addAction("&Keyboard Shortcuts", [] { ShowUserGuide("shortcuts"); });
  help->addSeparator();
  help->addAction("&About", owner, [owner] {
    if (AboutHandler()) AboutHandler()(owner);
  });
}

}  // namespace vostrane
