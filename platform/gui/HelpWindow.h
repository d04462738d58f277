// SPDX-License-Identifier: GPL-3.0-or-later
// The user guide (help/index.html of the working folder, which the
// installation provides) in a window of its own, opened at a section, and
// the Help menu the main window and the viewer share: User Guide, Keyboard
// Shortcuts and About.
#pragma once

#include <functional>
#include <string>

#include <QMenuBar>
#include <QTextBrowser>

namespace vostrane {

inline constexpr const char* kUserGuideFile = "help/index.html";

// Shows the guide at the section (an anchor of the page; empty for its
// top). A missing guide is named in a message. The window stays open
// beside the one that asked, also while a modal form runs.
void ShowUserGuide(const std::string& section = "");
// The browser of the guide's window last opened (nullptr when none).
QTextBrowser* UserGuideBrowser();

// The About box the Help menus open (the shell sets it).
void SetAboutHandler(std::function<void(QWidget*)> handler);

// Adds the Help menu to a menu bar; `owner` is the window it belongs to.
void AddHelpMenu(QMenuBar* menuBar, QWidget* owner);

}  // namespace vostrane
