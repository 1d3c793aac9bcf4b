#include "QtHelp.h"

namespace bellmora {

void QtHelp::Display(const std::u16string&) {}

void QtHelp::CloseAll(const std::u16string&) {}

}  // namespace bellmora
