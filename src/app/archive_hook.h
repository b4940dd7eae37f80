#pragma once
// The one place the desktop program imports an archive (open command, dropped file, command
// line). The import puts the day's files into the program folder; the caller then reads them.
#include <string>

#include "racedata/archive_import.h"

namespace varnel {

ImportResult RunArchiveImport(const std::string& appDir, const std::string& archivePath,
                              const ImportProgress& progress);

}  // namespace varnel
