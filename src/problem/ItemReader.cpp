#include "ItemReader.h"

namespace bellmora {
// TODO(problem): implement
bool ItemReader::ReadText(std::u16string&) { return false; }
bool ItemReader::ReadNumber(float&) { return false; }
}  // namespace bellmora
