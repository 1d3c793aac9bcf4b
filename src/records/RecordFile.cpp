// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordFile.h"

#include "NumberText.h"
#include "Text.h"

namespace bellmora {

namespace {

// Record files hold ASCII only; the texts written here are digits and punctuation.
void AppendAscii(std::string& out, std::u16string_view text) {
    for (char16_t c : text) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
}

}  // namespace

std::u16string RecordFileName(const std::u16string& problemName) { return problemName + u".REC"; }

std::string FormatRecordLine(std::u16string_view date, int moji, double jikan, double byou,
                             double byou2) {
    std::string line = "\"";
    AppendAscii(line, date);
    line += "\",";
    AppendAscii(line, IntegerText(moji));
    for (double figure : {jikan, byou, byou2}) {
        line += ',';
        AppendAscii(line, FormatShortest(figure));
    }
    line += "\r\n";
    return line;
}

void WarnRecordFile(Platform& p, const std::u16string& problemName, std::u16string_view failure) {
    std::u16string text = u"記録ファイル（" + RecordFileName(problemName) + u"）";
    text += failure;
    p.dialogs.ShowMessage(text, u"記録エラー", MessageIcon::Warning, MessageButtons::Ok);
}

}  // namespace bellmora
