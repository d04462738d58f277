// SPDX-License-Identifier: GPL-3.0-or-later
// Vostrane: program start. Takes the single-instance lock, sets large-font
// mode, creates the main window and runs the message loop. Every data file is
// opened by its bare name in the working folder: the program's own folder when
// it runs from a build, the user's data folder when it is installed.
#include <unistd.h>

#include <string>

#include <QApplication>
#include <QDir>

#include "platform/InstanceLock.h"
#include "platform/MessageService.h"
#include "platform/UserFolder.h"
#include "platform/gui/QtMessageService.h"
#include "platform/gui/ScreenMetrics.h"
#include "common/LargeFont.h"
#include "shell/gui/AppPhases.h"
#include "shell/gui/MainWindow.h"
#include "shell/gui/AlreadyRunningNotice.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Vostrane");
  QDir::setCurrent(QCoreApplication::applicationDirPath());

  vostrane::QtMessageService messages;
  vostrane::SetMessageService(&messages);

  std::string folderError;
  if (!vostrane::EnterUserFolderWhenInstalled(folderError)) {
    vostrane::ShowMessage("Vostrane cannot prepare the folder for your files.\r\n" + folderError,
                          vostrane::MsgIcon::Error);
    return 1;
  }

  vostrane::InstanceLock lock;
  if (!lock.Acquire("TEMP.TMP")) {
    // A folder the program cannot write is not a second instance.
    if (!lock.Failure().empty()) {
      vostrane::ShowMessage(
          vostrane::FolderNotWritableText(QDir::currentPath().toStdString(), lock.Failure()),
          vostrane::MsgIcon::Error);
      return 1;
    }
    vostrane::AlreadyRunningNotice notice;
    notice.exec();
    return 1;
  }
  vostrane::SetLargeFonts(vostrane::PrimaryScreenMetrics().logicalDpi >= 109);

  int status = 0;
  {
    vostrane::AppPhases phases;
    vostrane::MainWindow mainWindow(phases);
    mainWindow.show();
    status = app.exec();
  }
  vostrane::SetMessageService(nullptr);
  return status;
}
