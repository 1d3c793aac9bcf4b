#include "History.h"

namespace bellmora {
// TODO(records): implement
std::u16string RecordFileName(const std::u16string& problemName) { return problemName + u".REC"; }
std::u16string FormatHistoryLine(const std::u16string&, const std::u16string&, const std::u16string&,
                                 const std::u16string&, const std::u16string&) { return {}; }
void ResetTotals(WindowState&) {}
void LoadHistory(WindowState&, Platform&) {}
void OnClearClick(WindowState&, Platform&) {}
}  // namespace bellmora
