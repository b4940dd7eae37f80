#pragma once
// The jobs of varnel-cli, one function per command. Each returns the process exit code.
#include <string>
#include <vector>

namespace varnel {

int UsageError(const std::string& message);
int RunRacesCommand(const std::vector<std::string>& args);   // races_command.cpp
int RunCardCommand(const std::vector<std::string>& args);    // card_command.cpp
int RunImportCommand(const std::vector<std::string>& args);  // import_command.cpp

}  // namespace varnel
