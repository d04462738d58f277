// SPDX-License-Identifier: GPL-3.0-or-later
// "Timeline...": the events of the current chart over a period (a preset or
// dates of the user's), filtered by kind, body and orb, in a table that sorts
// by date or by body. Long searches show their progress and can be
// cancelled. A double-click on an event chooses the chart of that moment
// (transit, progressed, directed or return) to be drawn around the base;
// the events can be printed as a transit calendar or exported as CSV.
#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "derived/DerivedRequest.h"
#include "session/ChartEntry.h"
#include "timeline/TimelineEvent.h"
#include "viewer/gui/PrintDialogs.h"
#include "wheel/PrinterSettings.h"

class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace vostrane {

class TimelineWindow : public QDialog {
  Q_OBJECT

 public:
  // `base` must be calculated; `baseRecord` is its record in the session.
  TimelineWindow(const ChartEntry& base, int baseRecord, const PrinterSettings& printer,
                 QWidget* parent = nullptr);

  // The periods offered.
  enum Preset { ThisMonth, ThisYear, Next12Months, Custom };
  void ApplyPreset(int preset);
  // Runs the search for the period and filters, filling the table.
  void Search();
  // The request for the chart of the event the user double-clicked.
  const std::optional<DerivedRequest>& Chosen() const { return chosen_; }
  // The events shown, in the table's order of rows at the time of the search.
  const std::vector<TimelineEvent>& Events() const { return events_; }
  // Where "Export CSV..." and "Print / Save as PDF..." write (tests answer).
  void SetSaveFileDialog(SaveFileFn dialog) { saveFile_ = std::move(dialog); }
  bool ExportCsv(const std::string& path);
  bool SaveCalendarPdf(const std::string& path);

  QComboBox* PresetBox() const { return preset_; }
  QComboBox* KindBox() const { return kind_; }
  QComboBox* BodyBox() const { return body_; }
  QDoubleSpinBox* OrbBox() const { return orb_; }
  QDateEdit* FromEdit() const { return from_; }
  QDateEdit* ToEdit() const { return to_; }
  QTableWidget* Table() const { return table_; }
  QProgressBar* Progress() const { return progress_; }
  QPushButton* SearchButton() const { return search_; }
  QPushButton* CancelButton() const { return cancel_; }
  QPushButton* CsvButton() const { return csv_; }
  QPushButton* PdfButton() const { return pdf_; }

 private:
  void FillTable();
  void Choose(int row);
  std::vector<double> LocalHours() const;
  std::string AskFile(const std::string& suggested);

  ChartEntry base_;
  int baseRecord_;
  PrinterSettings printer_;
  std::vector<TimelineEvent> events_;
  std::optional<DerivedRequest> chosen_;
  SaveFileFn saveFile_;
  bool searching_ = false;
  bool cancelled_ = false;

  QComboBox* preset_;
  QComboBox* kind_;
  QComboBox* body_;
  QDoubleSpinBox* orb_;
  QDateEdit* from_;
  QDateEdit* to_;
  QTableWidget* table_;
  QProgressBar* progress_;
  QPushButton* search_;
  QPushButton* cancel_;
  QPushButton* csv_;
  QPushButton* pdf_;
};

}  // namespace vostrane
