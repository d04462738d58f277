// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/gui/TimelineWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "astro/AnalyticTheory.h"
#include "astro/BodySlots.h"
#include "astro/TimeScales.h"
#include "platform/FileSystem.h"
#include "platform/MessageService.h"
#include "timeline/PlaceClock.h"
#include "timeline/TimelineChart.h"
#include "timeline/TimelineSearch.h"
#include "timeline/TimelineText.h"
#include "viewer/TransitCalendar.h"
#include "wheel/MajorAspects.h"
#include "wheel/gui/PrinterSurface.h"

namespace vostrane {
namespace {

// The kinds the filter offers, each a set of event kinds.
struct KindFilter {
  const char* label;
  std::vector<EventKind> kinds;
};
const std::vector<KindFilter>& KindFilters() {
  static const std::vector<KindFilter> filters = {
      {"All events",
       {EventKind::Transit, EventKind::Progressed, EventKind::SolarArc, EventKind::Ingress,
        EventKind::Station, EventKind::NewMoon, EventKind::FullMoon, EventKind::SolarEclipse,
        EventKind::LunarEclipse, EventKind::Return}},
      {"Transits", {EventKind::Transit}},
      {"Progressions and directions", {EventKind::Progressed, EventKind::SolarArc}},
      {"Ingresses", {EventKind::Ingress}},
      {"Stations", {EventKind::Station}},
      {"Lunations and eclipses",
       {EventKind::NewMoon, EventKind::FullMoon, EventKind::SolarEclipse, EventKind::LunarEclipse}},
      {"Returns", {EventKind::Return}},
  };
  return filters;
}

const int kFilterBodies[] = {slot::Sun,     slot::Moon,    slot::Mercury,  slot::Venus,
                             slot::Mars,    slot::Jupiter, slot::Saturn,   slot::Uranus,
                             slot::Neptune, slot::Pluto,   slot::TrueNode, slot::Chiron};

double JulianDayOf(const QDate& d) { return GregorianJulDay(d.month(), d.day(), d.year()); }

enum Column { kDate, kLocal, kEvent, kKind, kBody, kPass, kEnters, kLeaves, kColumns };

}  // namespace

TimelineWindow::TimelineWindow(const ChartEntry& base, int baseRecord, const PrinterSettings& printer,
                               QWidget* parent)
    : QDialog(parent), base_(base), baseRecord_(baseRecord), printer_(printer) {
  setWindowTitle(QString::fromStdString("Timeline: " + base.name()));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  layout->addLayout(form);

  preset_ = new QComboBox(this);
  preset_->addItems({"This month", "This year", "Next 12 months", "Custom"});
  auto* dates = new QHBoxLayout;
  from_ = new QDateEdit(this);
  to_ = new QDateEdit(this);
  for (QDateEdit* e : {from_, to_}) {
    e->setDisplayFormat("MM/dd/yyyy");
    e->setCalendarPopup(true);
    e->setDateRange(QDate(1900, 1, 1), QDate(2099, 12, 31));
    dates->addWidget(e);
  }
  form->addRow("&Period:", preset_);
  form->addRow("&From / to:", dates);
  kind_ = new QComboBox(this);
  for (const KindFilter& f : KindFilters()) kind_->addItem(f.label);
  form->addRow("&Kinds:", kind_);
  body_ = new QComboBox(this);
  body_->addItem("All bodies");
  for (int b : kFilterBodies) body_->addItem(QString::fromStdString(TimelinePointName(b)));
  form->addRow("&Bodies:", body_);
  orb_ = new QDoubleSpinBox(this);
  orb_->setRange(0, 10);
  orb_->setSingleStep(0.5);
  orb_->setValue(1.0);
  orb_->setSuffix("\u00B0");
  form->addRow("&Orb:", orb_);

  auto* run = new QHBoxLayout;
  search_ = new QPushButton("&Search", this);
  progress_ = new QProgressBar(this);
  progress_->setRange(0, 1000);
  cancel_ = new QPushButton("&Cancel", this);
  cancel_->setEnabled(false);
  run->addWidget(search_);
  run->addWidget(progress_, 1);
  run->addWidget(cancel_);
  layout->addLayout(run);

  table_ = new QTableWidget(0, kColumns, this);
  table_->setHorizontalHeaderLabels(
      {"Date (UT)", "Local time", "Event", "Kind", "Body", "Pass", "Enters orb", "Leaves orb"});
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->horizontalHeader()->setSectionResizeMode(kEvent, QHeaderView::Stretch);
  table_->verticalHeader()->hide();
  layout->addWidget(table_, 1);

  auto* buttons = new QHBoxLayout;
  pdf_ = new QPushButton("&Print / Save as PDF...", this);
  csv_ = new QPushButton("&Export CSV...", this);
  auto* close = new QPushButton("Close", this);
  buttons->addWidget(pdf_);
  buttons->addWidget(csv_);
  buttons->addStretch(1);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  resize(900, 600);

  connect(preset_, &QComboBox::activated, this, &TimelineWindow::ApplyPreset);
  for (QDateEdit* e : {from_, to_})
    connect(e, &QDateEdit::userDateChanged, this, [this] { preset_->setCurrentIndex(Custom); });
  connect(search_, &QPushButton::clicked, this, &TimelineWindow::Search);
  connect(cancel_, &QPushButton::clicked, this, [this] { cancelled_ = true; });
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { Choose(row); });
  // Enter on a row chooses it too; no button takes Enter for itself.
  connect(table_, &QTableWidget::activated, this,
          [this](const QModelIndex& index) { Choose(index.row()); });
  for (QPushButton* b : findChildren<QPushButton*>()) b->setAutoDefault(false);
  connect(csv_, &QPushButton::clicked, this, [this] {
    const std::string path = AskFile("timeline.csv");
    if (!path.empty() && !ExportCsv(path)) ShowMessage("The file " + path + " could not be written.");
  });
  connect(pdf_, &QPushButton::clicked, this, [this] {
    const std::string path = AskFile("calendar.pdf");
    if (!path.empty()) SaveCalendarPdf(path);
  });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  ApplyPreset(Next12Months);
}

void TimelineWindow::ApplyPreset(int preset) {
  const QDate today = QDate::currentDate();
  QDate from = today, to = today;
  switch (preset) {
    case ThisMonth:
      from = QDate(today.year(), today.month(), 1);
      to = from.addMonths(1).addDays(-1);
      break;
    case ThisYear:
      from = QDate(today.year(), 1, 1);
      to = QDate(today.year(), 12, 31);
      break;
    case Next12Months: to = today.addYears(1).addDays(-1); break;
    default: return;  // custom: the dates as they are
  }
  const QSignalBlocker a(from_), b(to_);
  from_->setDate(from);
  to_->setDate(to);
  preset_->setCurrentIndex(preset);
}

void TimelineWindow::Search() {
  if (searching_) return;
  TimelineOptions o;
  o.fromJd = JulianDayOf(from_->date());
  o.toJd = JulianDayOf(to_->date()) + 1;
  if (o.toJd <= o.fromJd) {
    ShowMessage("The period ends before it begins.");
    return;
  }
  if (o.toJd - o.fromJd > 100 * 365.25 + 1) {
    ShowMessage("The period may be at most 100 years.");
    return;
  }
  std::fill(std::begin(o.kinds), std::end(o.kinds), false);
  for (EventKind k : KindFilters()[static_cast<size_t>(kind_->currentIndex())].kinds)
    o.kinds[static_cast<int>(k)] = true;
  if (body_->currentIndex() > 0) o.bodies = {kFilterBodies[body_->currentIndex() - 1]};
  o.orb = orb_->value();
  o.aspects = MajorAspectAngles();

  searching_ = true;
  cancelled_ = false;
  search_->setEnabled(false);
  cancel_->setEnabled(true);
  progress_->setValue(0);
  AnalyticTheory theory;
  CalcReport report;
  const TimelineResult result = SearchTimeline(base_, o, theory, report, [this](double done) {
    progress_->setValue(static_cast<int>(done * 1000));
    QApplication::processEvents();
    return !cancelled_;
  });
  searching_ = false;
  search_->setEnabled(true);
  cancel_->setEnabled(false);
  if (report.Ended()) {
    ShowMessage("The ephemeris files cannot serve this period.");
    return;
  }
  events_ = result.events;
  // A filter by body keeps the events that concern it as body or point.
  if (!o.bodies.empty()) {
    const int b = o.bodies[0];
    std::erase_if(events_, [b](const TimelineEvent& e) {
      const bool lunation = e.kind == EventKind::NewMoon || e.kind == EventKind::FullMoon ||
                            e.kind == EventKind::SolarEclipse || e.kind == EventKind::LunarEclipse;
      return e.body != b && e.point != b && !(lunation && (b == slot::Sun || b == slot::Moon));
    });
  }
  progress_->setValue(result.cancelled ? progress_->value() : 1000);
  FillTable();
}

std::vector<double> TimelineWindow::LocalHours() const {
  std::vector<double> hours;
  hours.reserve(events_.size());
  for (const TimelineEvent& e : events_) hours.push_back(LocalHoursEast(base_, e.jd));
  return hours;
}

void TimelineWindow::FillTable() {
  table_->setSortingEnabled(false);
  table_->setRowCount(static_cast<int>(events_.size()));
  const std::vector<double> hours = LocalHours();
  for (size_t i = 0; i < events_.size(); ++i) {
    const TimelineEvent& e = events_[i];
    const int row = static_cast<int>(i);
    auto put = [&](int column, const std::string& text) {
      auto* item = new QTableWidgetItem(QString::fromStdString(text));
      item->setData(Qt::UserRole, row);
      table_->setItem(row, column, item);
    };
    auto day = [](double jd) { return std::isfinite(jd) ? IsoUtc(jd).substr(0, 10) : std::string(); };
    put(kDate, IsoUtc(e.jd).substr(0, 19));
    put(kLocal, IsoLocal(e.jd, hours[i]).substr(0, 16));
    put(kEvent, EventDescription(e));
    put(kKind, EventKindName(e.kind));
    put(kBody, TimelinePointName(e.body));
    put(kPass, std::to_string(e.pass) + "/" + std::to_string(e.passes));
    put(kEnters, day(e.enters));
    put(kLeaves, day(e.leaves));
  }
  table_->setSortingEnabled(true);
  table_->sortItems(kDate);
}

void TimelineWindow::Choose(int row) {
  const QTableWidgetItem* item = table_->item(row, kDate);
  if (!item) return;
  const int index = item->data(Qt::UserRole).toInt();
  if (index < 0 || index >= static_cast<int>(events_.size())) return;
  chosen_ = ChartRequestOfEvent(events_[static_cast<size_t>(index)], base_, baseRecord_);
  accept();
}

std::string TimelineWindow::AskFile(const std::string& suggested) {
  if (saveFile_) return saveFile_(this, suggested);
  if (suggested.ends_with(".pdf")) return AskPdfFileName(this, suggested);
  return QFileDialog::getSaveFileName(this, "Export CSV", QString::fromStdString(suggested),
                                      "CSV files (*.csv)")
      .toStdString();
}

bool TimelineWindow::ExportCsv(const std::string& path) {
  // The file is replaced only once the new one is written whole.
  return ReplaceFileContents(path, EventsCsv(events_, LocalHours()));
}

bool TimelineWindow::SaveCalendarPdf(const std::string& path) {
  PrinterSettings settings = printer_;
  settings.jobTitle = "Transit calendar " + base_.name();
  PrinterSurface printer(settings);
  printer.SetPdfOutput(WithPdfExtension(path));
  const bool drawn = DrawTransitCalendar(printer, events_, LocalHours(),
                                         "Transit calendar: " + base_.name() + ", " +
                                             from_->date().toString("MM/dd/yyyy").toStdString() +
                                             " to " + to_->date().toString("MM/dd/yyyy").toStdString());
  return printer.EndDocument() && drawn && !printer.WriteFailed();
}

}  // namespace vostrane
