#include "Summary.h"

namespace bellmora {
// TODO(records): implement
void ShowTotals(WindowState&, Platform&) {}
std::u16string FormatJikan(std::int32_t) { return {}; }
}  // namespace bellmora
