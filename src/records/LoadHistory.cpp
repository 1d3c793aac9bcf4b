// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LoadHistory.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "FoldBest.h"
#include "MissFile.h"
#include "NumberText.h"
#include "RecordReader.h"
#include "ShowTotals.h"

namespace bellmora {

namespace {

std::u16string StoredRecordLine(const StoredRun& run) {
    const ChartRun texts = HistoryTexts(run);
    return FormatHistoryLine(texts.date, texts.moji, texts.jikan, texts.byou, texts.byou2);
}

// Folds a stored run into the totals. False when its characters overflow the 32-bit
// total: the run stays listed but is not counted, and reading stops.
bool FoldStoredRecord(WindowState& st, const StoredRun& run) {
    // The nearest whole number, halves to the even neighbour (the default rounding mode).
    const double moji = std::nearbyint(static_cast<double>(st.lngToMoji) + run.moji);
    if (moji > std::numeric_limits<std::int32_t>::max() ||
        moji < std::numeric_limits<std::int32_t>::min())
        return false;
    st.lngToMoji = static_cast<std::int32_t>(moji);
    st.dblToJikan += static_cast<double>(run.jikan);
    FoldBest(st, run.byou, run.byou2);
    return true;
}

// The history lines of the record file, folded into the totals as they are read. A missing
// file ends the reading without a word, a damaged line is passed over; an overflow of the
// total stops the reading, and what was read before stays.
std::vector<std::u16string> ReadHistory(WindowState& st, Platform& p) {
    std::vector<std::u16string> lines;
    for (const StoredRun& run : ReadRecords(p.files, RecordFileName(st.strMondaiName))) {
        lines.push_back(StoredRecordLine(run));
        if (!FoldStoredRecord(st, run)) break;
    }
    return lines;
}

}  // namespace

ChartRun HistoryTexts(const StoredRun& run) {
    return {run.date,
            FormatGeneral(run.moji),
            FormatFixed(run.jikan, 2),
            FormatFixed(run.byou, 3),
            FormatFixed(run.byou2, 3),
            {},
            {}};  // misses are read from a file of their own
}

std::u16string FormatHistoryLine(const std::u16string& date, const std::u16string& moji,
                                 const std::u16string& jikan, const std::u16string& byou,
                                 const std::u16string& byou2) {
    return date + u"  " + moji + u"問　" + jikan + u"秒　" + byou + u"タイプ　" + byou2 + u"秒";
}

void ResetTotals(WindowState& st) {
    st.lngToMoji = 0;
    st.dblToJikan = 0;
    st.sngMaxByou = 0;
    st.sngMinByou = kNoRunMinByou;
}

void LoadHistory(WindowState& st, Platform& p) {
    p.ui.ClearHistory();
    ResetTotals(st);
    // One append for the whole file: a history can hold tens of thousands of runs.
    const std::vector<std::u16string> lines = ReadHistory(st, p);
    if (!lines.empty()) {
        p.ui.AppendHistory(lines);
        p.ui.SetHistoryTopIndex(p.ui.HistoryCount() - 1);
    }
    ShowTotals(st, p);
}

void OnClearClick(WindowState& st, Platform& p) {
    if (p.ui.HistoryCount() == 0) return;
    const MessageAnswer answer =
        p.dialogs.ShowMessage(st.strMondaiName + u"の履歴をクリアします", u"履歴クリア確認",
                              MessageIcon::Warning, MessageButtons::OkCancel);
    if (answer != MessageAnswer::Ok) return;
    // A file that cannot be emptied keeps its records: the list and totals must go on
    // showing them.
    if (!p.files.Truncate(RecordFileName(st.strMondaiName)))
        return WarnRecordFile(p, st.strMondaiName, u"を消去できませんでした");
    // The misses go with the runs they belong to. Left behind, they would match no record.
    p.files.Remove(MissFileName(st.strMondaiName));
    p.ui.ClearHistory();
    ResetTotals(st);
    ShowTotals(st, p);
    p.speech.Announce(st.strMondaiName + u"の りれきを クリアしました");
}

}  // namespace bellmora
