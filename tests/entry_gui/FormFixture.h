// SPDX-License-Identifier: GPL-3.0-or-later
// A birth data form for one test: its own working folder with the
// generated message texts, a control record, scripted message answers, a
// fixed clock, and helpers that type into whatever field has the focus.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <filesystem>
#include <memory>

#include "entry/gui/FormField.h"
#include "entry/gui/BirthDataForm.h"
#include "platform/ScriptedMessageService.h"
#include "platform/gui/QtMessageService.h"
#include "session/ChartEntry.h"
#include "common/ControlRecord.h"
#include "common/MessageTextFile.h"
#include "common/RunState.h"
#include "tests/support/TempFolder.h"

namespace vostrane::test {

// Keys go to whatever has the focus, as they would from the keyboard.
inline QWidget* Focus() { return QApplication::focusWidget(); }
inline void Type(const QString& text) { QTest::keyClicks(Focus(), text); }
inline void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(Focus(), key, modifiers);
}
inline std::string Shown(QWidget* field) {
  return FromQt(static_cast<FormField*>(field)->displayText());
}
inline std::string Stored(FormField* field) { return field->StoredText(); }

class FormFixture : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(InstallFile("QIRTEXT.DAT"), "QIRTEXT.DAT");
    ASSERT_TRUE(OpenMessageTextFile());
    folder_.Write("DST.FIL", std::string(8, '\0'));
    Control() = ControlRecord();
    Control().SetLetter(control_offset::defaultZodiacLetter, 'T');
    Control().SetLetter(control_offset::warnDuplicateName, 'Y');
    Control().SetString(control_offset::defaultPrintouts, 40, "YAAANXXX");
    shell_ = ShellState();
    shell_.phase = RunPhase::NewList;
    form_ = std::make_unique<BirthDataForm>();
    form_->SetClock([this] { return now_; });
  }

  void TearDown() override {
    form_.reset();
    CloseMessageTextFile();
  }

  // Activates the form and shows it as the active window.
  void Start() {
    ASSERT_TRUE(form_->FormActivate(shell_));
    ShowActive();
  }
  void ShowActive() {
    form_->show();
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  }

  // The session file as it is on disk.
  std::string SessionBytes() const { return folder_.Read("INPUT.FIL"); }
  ChartEntry Record(int k) const {
    const std::string bytes = SessionBytes();
    ChartEntry e;
    if (bytes.size() >= (static_cast<size_t>(k) + 1) * kEntrySize)
      std::copy(bytes.begin() + static_cast<long>(k * kEntrySize),
                bytes.begin() + static_cast<long>((k + 1) * kEntrySize), e.Data());
    return e;
  }

  TempFolder folder_;
  ScopedScriptedMessages messages_;
  CalendarDateTime now_{{3, 9, 2024}, {14, 35, 31}};
  ShellState shell_;  // the shell's state the form reads and sets
  std::unique_ptr<BirthDataForm> form_;
};

}  // namespace vostrane::test
