#include "cli/commands.h"

namespace varnel {

int RunCardCommand(const std::vector<std::string>&) { return UsageError("card: 未実装です。"); }

}  // namespace varnel
