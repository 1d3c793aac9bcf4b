// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordRun.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>

#include "DateTime.h"
#include "FoldBest.h"
#include "LoadHistory.h"
#include "MissFile.h"
#include "NumberText.h"
#include "RecordFile.h"
#include "ShowTotals.h"
#include "Text.h"

namespace bellmora {

namespace {

// A run's character count is a 16-bit figure.
constexpr std::size_t kMaxMoji = std::numeric_limits<std::int16_t>::max();

// One run's figures: the texts it shows and the values those texts stand for, which the
// record file and the totals take.
struct RunFigures {
    std::u16string date;
    int moji = 0;
    std::u16string jikan, byou, byou2;
    double jikanValue = 0, byouValue = 0, byou2Value = 0;
};

double ValueOf(const std::u16string& text) { return ParseNumber(text).value_or(0.0); }

float ElapsedSeconds(const WindowState& st) {
    float elapsed = st.sngEnd - st.sngStart;
    if (st.sngEnd < st.sngStart) elapsed += kSecondsPerDay;  // the clock restarted at midnight
    return elapsed;
}

// Nothing for a run whose time shows as 0.00: it took no time a record could state, and
// its speeds would divide by zero.
std::optional<RunFigures> Measure(const WindowState& st, Platform& p, int moji) {
    RunFigures f;
    f.moji = moji;
    f.jikan = FormatFixed(ElapsedSeconds(st), 2);
    f.jikanValue = ValueOf(f.jikan);
    if (!(f.jikanValue > 0)) return std::nullopt;
    f.date = FormatDateTime(p.clock.Now());
    // The speeds come from the time as shown, not from the raw difference.
    f.byou = FormatFixed(moji / f.jikanValue, 3);
    f.byouValue = ValueOf(f.byou);
    f.byou2 = FormatFixed(f.jikanValue / moji, 3);
    f.byou2Value = ValueOf(f.byou2);
    return f;
}

void ListRun(Platform& p, const RunFigures& f) {
    p.ui.AppendHistory({FormatHistoryLine(f.date, IntegerText(f.moji), f.jikan, f.byou, f.byou2)});
    p.ui.SetHistoryTopIndex(p.ui.HistoryCount() - 1);
}

// The run keeps its list line and its place in the totals even when the file refuses
// it; the user is told, since the run will be missing the next time the problem loads.
bool AppendRecord(const WindowState& st, Platform& p, const RunFigures& f) {
    const std::string line =
        FormatRecordLine(f.date, f.moji, f.jikanValue, f.byouValue, f.byou2Value);
    if (p.files.Append(RecordFileName(st.strMondaiName), line)) return true;
    WarnRecordFile(p, st.strMondaiName, u"に書き込めませんでした");
    return false;
}

// The run's misses, in a file of their own after its record. A run without a record gets
// no line, as there is no run to match it; a miss file that refuses the line costs only
// the misses of this run, so the user is not stopped for it.
void AppendMisses(const WindowState& st, Platform& p, const RunFigures& f) {
    p.files.Append(MissFileName(st.strMondaiName), FormatMissLine(f.date, st.misses));
}

std::int32_t AddSaturated(std::int32_t total, int moji) {
    const std::int64_t sum = std::int64_t{total} + moji;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// True when the run set a new best pace.
bool FoldRun(WindowState& st, const RunFigures& f) {
    st.lngToMoji = AddSaturated(st.lngToMoji, f.moji);
    st.dblToJikan += f.jikanValue;
    return FoldBest(st, static_cast<float>(f.byouValue), static_cast<float>(f.byou2Value));
}

void ShowRunLabels(Platform& p, const RunFigures& f) {
    p.ui.SetCaption(Label::Djikan, u" " + f.jikan);
    p.ui.SetCaption(Label::Dbyou, u" " + f.byou);
    p.ui.SetCaption(Label::Dbyou2, u" " + f.byou2);
}

// Said in kana, which every voice can say (Debian's Japanese voice says each kanji alike).
std::u16string SpokenSpeeds(const std::u16string& byou, const std::u16string& byou2) {
    return u"いちびょうあたり " + byou + u"タイプ　いちタイプあたり " + byou2 + u"びょう";
}

// The run's figures, whether it set a new best, and the totals as the window shows them.
// Said after the congratulation box has closed: its opening would cut the saying short.
void AnnounceRun(const WindowState& st, Platform& p, const RunFigures& f, bool newBest) {
    std::u16string said = f.jikan + u"びょう　" + SpokenSpeeds(f.byou, f.byou2);
    if (newBest) said += u"　さいこうきろく こうしん";
    const std::int64_t seconds = std::abs(static_cast<std::int64_t>(st.lngToJikan));
    said += u"　トータル " + IntegerText(p.ui.HistoryCount()) + u"かい　" +
            IntegerText(st.lngToMoji) + u"もじ　" + (st.lngToJikan < 0 ? u"マイナス " : u"") +
            IntegerText(seconds / 3600) + u"じかん " + IntegerText(seconds % 3600 / 60) + u"ふん " +
            IntegerText(seconds % 60) + u"びょう　さいそく " +
            SpokenSpeeds(FormatGeneral(st.sngMaxByou),
                         st.sngMinByou == kNoRunMinByou ? u"0" : FormatGeneral(st.sngMinByou));
    p.speech.Announce(said);
}

}  // namespace

void RecordRun(WindowState& st, Platform& p) {
    // A run of an empty text has nothing to score: its speeds would divide by zero.
    const int moji = static_cast<int>(std::min(st.strMondai.size(), kMaxMoji));
    if (moji == 0) return;

    const std::optional<RunFigures> measured = Measure(st, p, moji);
    if (!measured) return;
    const RunFigures& f = *measured;
    ListRun(p, f);
    if (AppendRecord(st, p, f)) AppendMisses(st, p, f);
    const bool newBest = FoldRun(st, f);
    ShowTotals(st, p);
    // The first run of a history always lowers the best; it is not congratulated.
    const bool congratulated = newBest && p.ui.HistoryCount() > 1;
    if (congratulated)
        p.dialogs.ShowMessage(u"最高記録を更新しました！", u"おめでとうございます！",
                              MessageIcon::Information, MessageButtons::Ok);
    AnnounceRun(st, p, f, congratulated);
    ShowRunLabels(p, f);
}

}  // namespace bellmora
