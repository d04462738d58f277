// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing one field of a record buffer: character fields are
// left-aligned and blank-filled, numeric fields right-aligned decimal text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tablestore/DbfLayout.h"

namespace vostrane {

// The field's text at its full width.
std::string FieldText(const std::string& record, const DbfField& field);
// The field's leading integer digits (blank or non-numeric text gives 0).
int64_t FieldLong(const std::string& record, const DbfField& field);
// Puts the text into the field, cut to the width; numeric fields are
// right-aligned, all others left-aligned.
void PutFieldText(std::string& record, const DbfField& field, std::string_view text);
// Puts the number as decimal text right-aligned (with the field's decimals
// as zeros). False when it does not fit the width; the record is unchanged.
bool PutFieldLong(std::string& record, const DbfField& field, int64_t value);

}  // namespace vostrane
