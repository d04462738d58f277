// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ListQuestions.h"

namespace vostrane {
namespace {

std::string Charts(int n) { return std::to_string(n) + (n == 1 ? " chart" : " charts"); }

}  // namespace

std::string NewListQuestion(int charts) {
  return "The current list holds " + Charts(charts) +
         ". Start a new list?\r\n\r\nThe current list is kept: Start, Restore Previous List "
         "brings it back.";
}

std::string RestoreListQuestion(int previous, int current) {
  std::string text = "Restore the previous list of " + Charts(previous) + "?";
  if (current > 0)
    text += "\r\n\r\nThe current list of " + Charts(current) +
            " is kept in its place and can be brought back the same way.";
  return text;
}

std::string NoPreviousListText() {
  return "There is no previous list to restore. A list is kept here when a new list replaces "
         "it.";
}

}  // namespace vostrane
