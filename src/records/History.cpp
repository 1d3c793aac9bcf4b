#include "History.h"

#include "Summary.h"
#include "Totals.h"

namespace bellmora {

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

void LoadHistory(WindowState&, Platform&) {}

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
    p.ui.ClearHistory();
    ResetTotals(st);
    ShowTotals(st, p);
}

}  // namespace bellmora
