#include "ProblemLoad.h"

namespace bellmora {
// TODO(problem): implement
void OnFileListClick(WindowState&, Platform&) {}
}  // namespace bellmora
