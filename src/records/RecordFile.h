// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "Platform.h"

namespace bellmora {

// The record file of a problem: its name followed by ".REC".
std::u16string RecordFileName(const std::u16string& problemName);

// One record of a record file, ready to append: the date in double quotes, the
// character count and the three figures in their shortest plain form, separated by
// commas and ended by CR LF. ASCII only.
std::string FormatRecordLine(std::u16string_view date, int moji, double jikan, double byou,
                             double byou2);

// Tells the user that the record file refused to be written; `failure` follows the
// file's name in the message.
void WarnRecordFile(Platform& p, const std::u16string& problemName, std::u16string_view failure);

}  // namespace bellmora
