// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/gui/AspectPanel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "common/LargeFont.h"
#include "platform/gui/QtMessageService.h"

namespace vostrane {

AspectPanel::AspectPanel(QWidget* parent) : QDialog(parent) {
  setObjectName("AspectPanel");
  setWindowTitle("Vostrane - Aspects");
  setModal(false);
  title_ = new QLabel(this);
  order_ = new QComboBox(this);
  order_->setObjectName("AspectOrder");
  order_->addItems({"by orb", "by point"});
  table_ = new QTableWidget(0, kAspectColumns, this);
  table_->setObjectName("AspectListTable");
  table_->setHorizontalHeaderLabels({"Point", "Aspect", "Point", "Orb", "", ""});
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  patternsLabel_ = new QLabel("&Patterns (choose one to mark its lines on the wheel):", this);
  patterns_ = new QListWidget(this);
  patterns_->setObjectName("PatternList");
  patternsLabel_->setBuddy(patterns_);

  auto* orderRow = new QHBoxLayout;
  auto* orderLabel = new QLabel("&Sorted", this);
  orderLabel->setBuddy(order_);
  orderRow->addWidget(orderLabel);
  orderRow->addWidget(order_);
  orderRow->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title_);
  layout->addLayout(orderRow);
  layout->addWidget(table_, 3);
  layout->addWidget(patternsLabel_);
  layout->addWidget(patterns_, 1);

  connect(order_, &QComboBox::currentIndexChanged, this, [this] { Fill(); });
  connect(patterns_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!onHighlight) return;
    onHighlight(row >= 0 && row < static_cast<int>(shownPatterns_.size()) ? shownPatterns_[row].points
                                                                          : std::vector<int>{});
  });
  resize(ScaleForLargeFont(520), ScaleForLargeFont(560));
}

void AspectPanel::ShowChart(const AspectTables& tables, const std::vector<ListedAspect>& aspects,
                            const std::vector<AspectPattern>& patterns, const PageNames& names,
                            const std::string& title) {
  tables_ = tables;
  names_ = names;
  aspects_ = aspects;
  title_->setText(ToQt("Aspects of " + title));
  patternsLabel_->setText("&Patterns (choose one to mark its lines on the wheel):");
  const QSignalBlocker block(patterns_);
  patterns_->clear();
  shownPatterns_ = patterns;
  for (const AspectPattern& p : patterns) patterns_->addItem(ToQt(PatternText(p, names)));
  if (patterns.empty()) patterns_->addItem("(none)");
  Fill();
}

void AspectPanel::ShowComparison(const AspectTables& tables, const SynastryReport& report,
                                 const PageNames& names, const std::string& innerName,
                                 const std::string& outerName) {
  tables_ = tables;
  names_ = names;
  aspects_ = report.aspects;
  title_->setText(
      ToQt("Aspects of " + innerName + " (first point) to " + outerName + " (second point)"));
  patternsLabel_->setText("House overlay:");
  const QSignalBlocker block(patterns_);
  patterns_->clear();
  shownPatterns_.clear();
  auto overlay = [&](const std::vector<OverlaidPoint>& points, const std::string& whose,
                     const std::string& other) {
    for (const OverlaidPoint& p : points)
      patterns_->addItem(ToQt(whose + "'s " + names.PointName(p.point) + " in " + other + "'s house " +
                              (p.house ? std::to_string(p.house) : std::string("?"))));
  };
  overlay(report.innerInOuter, innerName, outerName);
  overlay(report.outerInInner, outerName, innerName);
  Fill();
}

void AspectPanel::Fill() {
  std::vector<ListedAspect> sorted = aspects_;
  SortAspects(sorted, order_->currentIndex() == 1 ? AspectOrder::ByPoint : AspectOrder::ByOrb);
  const std::vector<AspectListRow> rows = AspectListRows(tables_, sorted, names_);
  table_->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r)
    for (int c = 0; c < kAspectColumns; ++c)
      table_->setItem(r, c, new QTableWidgetItem(ToQt(rows[r][c])));
}

}  // namespace vostrane
