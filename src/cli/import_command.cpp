#include "cli/commands.h"

namespace varnel {

int RunImportCommand(const std::vector<std::string>&) { return UsageError("import: 未実装です。"); }

}  // namespace varnel
