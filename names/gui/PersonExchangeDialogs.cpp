// SPDX-License-Identifier: GPL-3.0-or-later
#include "names/gui/PersonExchangeDialogs.h"

#include <QFileDialog>
#include <fstream>

#include "names/NameTable.h"
#include "names/NameTableAccess.h"
#include "names/PersonImport.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/MessageService.h"
#include "platform/TextTrim.h"

namespace vostrane {
namespace {

const char* const kFileFilter = "Birth data (*.aaf *.csv);;AAF files (*.aaf);;CSV files (*.csv)";
// Lines of a list shown in a message before the rest is counted.
constexpr size_t kShownLines = 20;

std::string Utf8Name(const BirthDataFields& fields) { return Cp1252ToUtf8(Trim(fields.name)); }

// What the import will do, in the program's code page.
std::string PreviewText(const std::string& path, const ExchangeReading& reading,
                        const std::vector<ImportStep>& plan) {
  std::string added, text = "Import from " + path + ":\r\n\r\n";
  size_t adding = 0, others = 0;
  for (const ImportStep& step : plan) {
    if (step.action == ImportAction::OtherOnFile) ++others;
    if (step.action != ImportAction::Add) continue;
    if (adding++ < kShownLines) added += "   " + Utf8Name(step.person.fields) + "\r\n";
  }
  text += std::to_string(adding) + " person(s) to add" + (adding ? ":\r\n" + added : "\r\n");
  if (adding > kShownLines) text += "   and " + std::to_string(adding - kShownLines) + " more\r\n";
  text += std::to_string(plan.size() - adding - others) + " already on file or repeated (skipped)\r\n";
  if (others) text += std::to_string(others) + " on file with other birth data (you will be asked)\r\n";
  if (!reading.faults.empty()) {
    text += "\r\n" + std::to_string(reading.faults.size()) + " line(s) cannot be read:\r\n";
    for (size_t i = 0; i < reading.faults.size() && i < kShownLines; ++i)
      text += "   line " + std::to_string(reading.faults[i].line) + ": " + reading.faults[i].reason +
              "\r\n";
  }
  if (!reading.transliterated.empty()) {
    text += "\r\nNot in the name file's characters, written as:";
    for (const std::string& c : reading.transliterated)
      text += " " + c + " > " + Cp1252ToUtf8(Utf8ToCp1252Transliterated(c, nullptr));
    text += "\r\n";
  }
  return Utf8ToCp1252(text + "\r\nGo on with the import?");
}

}  // namespace

void ImportPersonsFrom(const QString& path) {
  const std::string file = path.toStdString();
  std::ifstream in(file, std::ios::binary);
  if (!in) return ShowMessage(Utf8ToCp1252("Cannot read " + file), MsgIcon::Error);
  DbfTable& table = NamesTable();
  if (!table.IsOpen()) return ShowMessage(kNoNameTableText, MsgIcon::Error);
  const ExchangeReading reading = ReadExchange(in, ExchangeFormatOfFile(file));
  const std::vector<ImportStep> plan = PlanImport(table, reading.persons);
  if (!AskYesNo(PreviewText(file, reading, plan), MsgIcon::Confirmation, "Import Persons")) return;
  const ImportOutcome outcome = ApplyImport(table, plan, [](const ExchangePerson& person) {
    return AskYesNo("\"" + Trim(person.fields.name) + "\" is on file with other birth data.\r\n" +
                        "Replace them with the birth data of the file (line " +
                        std::to_string(person.line) + ")?",
                    MsgIcon::Confirmation, "Import Persons");
  });
  std::string summary = std::to_string(outcome.added) + " added, " + std::to_string(outcome.replaced) +
                        " replaced, " + std::to_string(outcome.skipped) + " skipped.";
  for (const std::string& name : outcome.busy)
    summary += "\r\n" + name + " was not written: the name file stayed locked.";
  if (!outcome.stampProblem.empty()) summary += "\r\n" + outcome.stampProblem;
  ShowMessage(
      summary,
      outcome.busy.empty() && outcome.stampProblem.empty() ? MsgIcon::Information : MsgIcon::Warning,
      "Import Persons");
}

void ExportPersonsTo(const QString& path) {
  const std::string file = path.toStdString();
  const std::vector<BirthDataFields> persons = PersonsOnFile(NamesTable());
  if (!ReplaceFileContents(file, WriteExchange(persons, ExchangeFormatOfFile(file))))
    return ShowMessage(
        Utf8ToCp1252("Cannot write " + file + ". Disk may be full; an older file is kept."),
        MsgIcon::Error);
  ShowMessage(Utf8ToCp1252(std::to_string(persons.size()) + " person(s) written to " + file),
              MsgIcon::Information, "Export Persons");
}

void ImportPersonsClick(QWidget* parent) {
  const QString path = QFileDialog::getOpenFileName(parent, "Import Persons", QString(), kFileFilter);
  if (!path.isEmpty()) ImportPersonsFrom(path);
}

void ExportPersonsClick(QWidget* parent) {
  const QString path = QFileDialog::getSaveFileName(parent, "Export Persons", "persons.aaf",
                                                    kFileFilter);
  if (!path.isEmpty()) ExportPersonsTo(path);
}

}  // namespace vostrane
