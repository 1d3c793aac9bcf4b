#include "NumberText.h"

namespace bellmora {
// TODO(records): implement
std::u16string FormatFixed(float, int) { return {}; }
std::u16string FormatFixed(double, int) { return {}; }
std::u16string FormatGeneral(float) { return {}; }
std::u16string FormatShortest(double) { return {}; }
}  // namespace bellmora
