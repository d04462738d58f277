// SPDX-License-Identifier: GPL-3.0-or-later
// A calculation report for one statement of a test: when the statement ends
// its statuses are shown through the message service as the calculation
// driver shows them (a fatal one ends the program there).
//   CalcPlanets(e, image, flags, theory, test::ShownReport().report());
#pragma once

#include "astro/CalcStatus.h"
#include "session/driver/CalcMessages.h"

namespace vostrane::test {

class ShownReport {
 public:
  // Ending the program may throw from a test's shutdown hook.
  ~ShownReport() noexcept(false) { ShowCalcReport(report_); }
  CalcReport& report() { return report_; }

 private:
  CalcReport report_;
};

}  // namespace vostrane::test
