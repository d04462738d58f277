// SPDX-License-Identifier: GPL-3.0-or-later
// The viewer's aspect panel (View, Aspects...): the aspect list of the page
// shown, sorted by orb or by point, and its patterns; choosing a pattern
// highlights its aspect lines on the wheel. For two persons compared in a
// bi-wheel it lists the aspects between the charts and the house overlay.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "wheel/AspectListText.h"
#include "wheel/Synastry.h"

class QComboBox;
class QLabel;
class QListWidget;
class QTableWidget;

namespace vostrane {

class AspectPanel : public QDialog {
  Q_OBJECT

 public:
  explicit AspectPanel(QWidget* parent = nullptr);

  // The aspects of one chart, with its patterns.
  void ShowChart(const AspectTables& tables, const std::vector<ListedAspect>& aspects,
                 const std::vector<AspectPattern>& patterns, const PageNames& names,
                 const std::string& title);
  // The comparison of two charts: inter-chart aspects and the house overlay.
  void ShowComparison(const AspectTables& tables, const SynastryReport& report, const PageNames& names,
                      const std::string& innerName, const std::string& outerName);

  // Called with the points of the chosen pattern (empty: none chosen).
  std::function<void(const std::vector<int>&)> onHighlight;

  QTableWidget* AspectTable() const { return table_; }
  QListWidget* PatternList() const { return patterns_; }
  QComboBox* OrderBox() const { return order_; }

 private:
  void Fill();

  AspectTables tables_;
  PageNames names_;
  std::vector<ListedAspect> aspects_;
  std::vector<AspectPattern> shownPatterns_;
  QLabel* title_ = nullptr;
  QComboBox* order_ = nullptr;
  QTableWidget* table_ = nullptr;
  QLabel* patternsLabel_ = nullptr;
  QListWidget* patterns_ = nullptr;
};

}  // namespace vostrane
