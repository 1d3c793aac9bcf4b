#include "RunResult.h"

namespace bellmora {
// TODO(records): implement
void RecordRun(WindowState&, Platform&) {}
}  // namespace bellmora
