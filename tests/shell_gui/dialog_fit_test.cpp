// SPDX-License-Identifier: GPL-3.0-or-later
// Every dialog of the program lies wholly on a screen narrower than the
// 1366x768 ones it is made for (the offscreen screen, 800 pixels wide), even
// when the form stands low on it, so that no button is out of reach; and no
// two controls shown together answer the same Alt key.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <filesystem>
#include <map>
#include <memory>

#include "atlas/PlacesTable.h"
#include "atlas/gui/PlaceDialog.h"
#include "derived/gui/DerivedChartRequestDialog.h"
#include "entry/BirthDataFields.h"
#include "entry/gui/RemoveChartDialog.h"
#include "entry/gui/BirthDataForm.h"
#include "names/gui/PersonEditDialog.h"
#include "platform/ScriptedMessageService.h"
#include "common/ControlRecord.h"
#include "common/MessageTextFile.h"
#include "shell/gui/AboutDialog.h"
#include "shell/gui/PreferencesDialog.h"
#include "tests/support/TempFolder.h"
#include "wheel/gui/AspectSettingsDialog.h"

namespace vostrane {
namespace {

// The Alt-key letter of a control's text ("&Paper" -> 'p'), 0 for none.
QChar MnemonicOf(const QString& text) {
  for (int i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') {
      ++i;
      continue;
    }
    return text[i + 1].toLower();
  }
  return QChar();
}

// The texts of the window's shown controls that share an Alt key with
// another, as "p: &Planets orb: / &Parallel, orb".
std::vector<std::string> SharedMnemonics(QWidget* window) {
  std::map<QChar, QStringList> byLetter;
  auto note = [&](QWidget* w, const QString& text) {
    const QChar letter = MnemonicOf(text);
    if (!letter.isNull() && w->isVisibleTo(window)) byLetter[letter] << text;
  };
  for (QLabel* l : window->findChildren<QLabel*>())
    if (l->buddy()) note(l, l->text());
  for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) note(b, b->text());
  for (QGroupBox* g : window->findChildren<QGroupBox*>()) note(g, g->title());
  std::vector<std::string> shared;
  for (const auto& [letter, texts] : byLetter)
    if (texts.size() > 1)
      shared.push_back(QString("%1: %2").arg(letter).arg(texts.join(" / ")).toStdString());
  return shared;
}

// Every page of the window's tabs in turn, each with the controls around it.
void ExpectOneControlPerAltKey(QWidget* window) {
  const auto tabs = window->findChildren<QTabWidget*>();
  if (tabs.isEmpty()) {
    EXPECT_EQ(SharedMnemonics(window), std::vector<std::string>{}) << window->objectName().toStdString();
    return;
  }
  for (QTabWidget* tab : tabs)
    for (int i = 0; i < tab->count(); ++i) {
      tab->setCurrentIndex(i);
      EXPECT_EQ(SharedMnemonics(window), std::vector<std::string>{})
          << window->objectName().toStdString() << " page " << tab->tabText(i).toStdString();
    }
}

TEST(DialogFit, EveryDialogLiesOnTheScreen) {
  test::TempFolder folder;
  std::filesystem::copy_file(test::InstallFile(kMessageTextFileName),
                             folder.Path() + "/" + kMessageTextFileName);
  ASSERT_TRUE(OpenMessageTextFile());
  ScopedScriptedMessages messages;
  Control() = ControlRecord();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  ASSERT_LT(screen.width(), 1366);

  BirthDataForm form;
  form.move(screen.topLeft() + QPoint(0, 300));  // low on the screen, as a user may leave it
  form.show();
  ChartEntry natal;
  natal.InitNewEntry('T', 1);
  std::vector<std::unique_ptr<QDialog>> dialogs;
  dialogs.push_back(std::make_unique<PlaceDialog>(&form, PlacesTable(), "New"));
  static_cast<PlaceDialog*>(dialogs.back().get())->PlaceBeside(&form, form.PlaceButton());
  dialogs.push_back(std::make_unique<RemoveChartDialog>(&form, RemovalChoice{true, true}));
  dialogs.push_back(
      std::make_unique<DerivedChartRequestDialog>(&form, std::vector<ChartEntry>{natal}, 1, nullptr));
  dialogs.push_back(std::make_unique<PreferencesDialog>(&form));
  dialogs.push_back(std::make_unique<AboutDialog>(&form));
  dialogs.push_back(std::make_unique<AspectSettingsDialog>(&form));
  BirthDataFields person;
  person.name = "Einstein, Albert";
  dialogs.push_back(std::make_unique<PersonEditDialog>(person, &form));
  for (auto& dialog : dialogs) {
    dialog->show();
    QApplication::processEvents();
    EXPECT_TRUE(screen.contains(dialog->frameGeometry()))
        << dialog->objectName().toStdString() << " lies at " << dialog->frameGeometry().x() << ","
        << dialog->frameGeometry().y() << " size " << dialog->frameGeometry().width() << "x"
        << dialog->frameGeometry().height();
    ExpectOneControlPerAltKey(dialog.get());
    dialog->hide();
  }
  EXPECT_TRUE(screen.contains(form.frameGeometry()));
  ExpectOneControlPerAltKey(&form);
  CloseMessageTextFile();
}

}  // namespace
}  // namespace vostrane
