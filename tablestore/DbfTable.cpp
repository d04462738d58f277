// SPDX-License-Identifier: GPL-3.0-or-later
#include "tablestore/DbfTable.h"

#include <unistd.h>

#include "tablestore/FieldAccess.h"
#include "tablestore/ProductionIndex.h"

namespace vostrane {

namespace {

// The table's name with its extension replaced by ".VDX".
std::string IndexNameFor(const std::string& table) {
  const size_t slash = table.find_last_of('/');
  const size_t dot = table.find_last_of('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (hasExtension ? table.substr(0, dot) : table) + ".VDX";
}

// Files are named relative to the working folder at the time of opening.
std::string AbsolutePath(const std::string& name) {
  if (!name.empty() && name[0] == '/') return name;
  std::string cwd(4096, '\0');
  if (!getcwd(cwd.data(), cwd.size())) return name;
  cwd.resize(cwd.find('\0'));
  return cwd + "/" + name;
}

}  // namespace

DbfTable::DbfTable() = default;

DbfTable::~DbfTable() { Close(); }

std::string DbfTable::IndexFileName() const { return IndexNameFor(dbfFileName_); }

void DbfTable::Open() {
  Close();
  const std::string path = AbsolutePath(dbfFileName_);
  file_.Open(path, dbfFileName_, dbfFields_);
  lock_.Attach(file_.Descriptor());
  try {
    tags_ = ParseIndexList(indexList_, file_.Layout(), IndexFileName());
    if (!tags_.empty()) {
      index_ = std::make_unique<ProductionIndex>(file_, lock_, tags_, IndexNameFor(path),
                                                 IndexFileName());
      index_->Open(progress_);
    }
    First();
  } catch (...) {
    Close();
    throw;
  }
}

void DbfTable::Close() {
  index_.reset();
  lock_.Release();
  lock_.Attach(-1);
  file_.Close();
  tags_.clear();
  filter_.reset();
  order_ = 0;
  recno_ = 0;
  position_.clear();
  bof_ = eof_ = true;
  buffer_.clear();
  loaded_.clear();
  changed_.clear();
}

bool DbfTable::IsOpen() const { return file_.IsOpen(); }

void DbfTable::RequireOpen() const {
  if (!file_.IsOpen()) throw TableError("Table is not open: " + dbfFileName_);
}

const DbfLayout& DbfTable::Layout() const { return file_.Layout(); }

size_t DbfTable::FieldIndex(std::string_view name) const {
  RequireOpen();
  const int index = Layout().FindField(name);
  if (index < 0)
    throw TableError("Field not found: " + std::string(name) + " (DBF=" + dbfFileName_ + ")");
  return static_cast<size_t>(index);
}

const DbfField& DbfTable::Field(std::string_view name) const {
  return Layout().fields[FieldIndex(name)];
}

bool DbfTable::HasField(std::string_view name) const {
  return IsOpen() && Layout().FindField(name) >= 0;
}

bool DbfTable::Deleted() const { return recno_ != 0 && !buffer_.empty() && buffer_[0] == '*'; }

std::string DbfTable::TextField(std::string_view name) const { return FieldText(buffer_, Field(name)); }

int64_t DbfTable::IntegerField(std::string_view name) const { return FieldLong(buffer_, Field(name)); }

void DbfTable::SetTextField(std::string_view name, std::string_view text) {
  const size_t index = FieldIndex(name);
  PutFieldText(buffer_, Layout().fields[index], text);
  changed_[index] = true;
}

void DbfTable::SetIntegerField(std::string_view name, int64_t value) {
  const size_t index = FieldIndex(name);
  const DbfField& f = Layout().fields[index];
  if (!PutFieldLong(buffer_, f, value)) {
    throw TableError("Numeric overflow in field " + f.name + " (DBF=" + dbfFileName_ + ")");
  }
  changed_[index] = true;
}

void DbfTable::SetFilter(std::string_view expression) {
  RequireOpen();
  if (expression.find_first_not_of(" \t") == std::string_view::npos) {
    filter_.reset();
    return;
  }
  filter_ = RecordFilter::Compile(expression, Layout());
  if (!filter_) throw TableError("Invalid filter expression: " + std::string(expression));
}

}  // namespace vostrane
