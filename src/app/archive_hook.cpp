#include "archive_hook.h"

namespace varnel {

ImportResult RunArchiveImport(const std::string& appDir, const std::string& archivePath,
                              const ImportProgress& progress) {
  // The Session reads the imported files itself, so the store filled here is only scratch.
  LineStore scratch;
  return ImportArchive(appDir, archivePath, scratch, progress);
}

}  // namespace varnel
