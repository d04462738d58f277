// SPDX-License-Identifier: GPL-3.0-or-later
// A fresh temporary folder made the working folder for one test, since the
// program opens every file by its bare name. The previous working folder is
// restored and the folder removed afterwards.
#pragma once

#include <string>

namespace vostrane::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return path_; }
  // Writes a file in the folder.
  void Write(const std::string& name, const std::string& bytes) const;
  std::string Read(const std::string& name) const;

 private:
  std::string path_;
  std::string previous_;
};

// Path of a file of the generated installation folder.
std::string InstallFile(const std::string& name);
// Path of a file below the source tree.
std::string SourceFile(const std::string& relative);
// Path of a file below the build folder.
std::string BuildFile(const std::string& relative);

}  // namespace vostrane::test
