#pragma once
// The jobs of varnel-cli, one function per command. Each returns the process exit code.
#include <string>
#include <vector>

namespace varnel {

int UsageError(const std::string& message);
int RunRacesCommand(const std::vector<std::string>& args);

}  // namespace varnel
