// Every dialog of the program lies wholly on a screen narrower than the
// 1366x768 ones it is made for (the offscreen screen, 800 pixels wide), even
// when the form stands low on it, so that no button is out of reach.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <filesystem>
#include <memory>

#include "atlas/PlacesTable.h"
#include "atlas/gui/TBdatPlacForm.h"
#include "derived/gui/TDerivedForm.h"
#include "entry/gui/TBdatSvNmForm.h"
#include "entry/gui/TFormBDat.h"
#include "platform/ScriptedMessageService.h"
#include "common/ControlRecord.h"
#include "common/MessageTextFile.h"
#include "shell/gui/TAboutZorForm.h"
#include "shell/gui/TPreferencesForm.h"
#include "tests/support/TempFolder.h"

namespace vostrane {
namespace {

TEST(DialogFit, EveryDialogLiesOnTheScreen) {
  test::TempFolder folder;
  std::filesystem::copy_file(test::InstallFile(kMessageTextFileName),
                             folder.Path() + "/" + kMessageTextFileName);
  ASSERT_TRUE(OpenMessageTextFile());
  ScopedScriptedMessages messages;
  Control() = ControlRecord();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  ASSERT_LT(screen.width(), 1366);

  TFormBDat form;
  form.move(screen.topLeft() + QPoint(0, 300));  // low on the screen, as a user may leave it
  form.show();
  ChartEntry natal;
  natal.InitNewEntry('T', 1);
  std::vector<std::unique_ptr<QDialog>> dialogs;
  dialogs.push_back(std::make_unique<TBdatPlacForm>(&form, PlacesTable(), "New"));
  static_cast<TBdatPlacForm*>(dialogs.back().get())->PlaceBeside(&form, form.PlaceButton());
  dialogs.push_back(std::make_unique<TBdatSvNmForm>(&form, RemovalChoice{true, true}));
  dialogs.push_back(std::make_unique<TDerivedForm>(&form, std::vector<ChartEntry>{natal}, 1, nullptr));
  dialogs.push_back(std::make_unique<TPreferencesForm>(&form));
  dialogs.push_back(std::make_unique<TAboutZorForm>(&form));
  for (auto& dialog : dialogs) {
    dialog->show();
    QApplication::processEvents();
    EXPECT_TRUE(screen.contains(dialog->frameGeometry()))
        << dialog->objectName().toStdString() << " lies at " << dialog->frameGeometry().x() << ","
        << dialog->frameGeometry().y() << " size " << dialog->frameGeometry().width() << "x"
        << dialog->frameGeometry().height();
    dialog->hide();
  }
  EXPECT_TRUE(screen.contains(form.frameGeometry()));
  CloseMessageTextFile();
}

}  // namespace
}  // namespace vostrane
