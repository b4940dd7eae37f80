#pragma once
// The older ".rq3" delivery layout and its conversion to the ".rq2" layout that the line store
// reads. Only the header, entry and odds files differ; the horse file is the same in both.
#include <string>
#include <string_view>

#include "text/result.h"

namespace varnel {

// One ".rq3" line of the file `fileName` ("qdx_den1.rq3", "qdx_den2.rq3" or "qdx_ods.rq3") in
// the ".rq2" layout: raw byte columns put together, a short line giving short pieces. Any other
// file name gives an empty text.
std::string ConvertRq3Line(std::string_view fileName, std::string_view line);

// Rewrites the ".rq3" file at `path` as the ".rq2" file of the same base name beside it (CR LF
// lines, written whole or not at all), then deletes `path`. A file of another name becomes an
// empty ".rq2" file. On an error the ".rq3" file stays and nothing is replaced.
Status ConvertRq3File(const std::string& path);

}  // namespace varnel
