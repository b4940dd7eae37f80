#pragma once
// Splitting texts at a one-byte delimiter: the course tables, the GAP files and the service
// settings all use comma lists.
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

// One split. A text with k delimiters gives k + 1 fields, empty ones included; a zero byte ends
// a field like the delimiter does.
struct TDivide {
  TDivide(std::string_view text, char delimiter);
  int Count = 0;
  std::vector<std::string> Fields;
};

// Field n (from 0) of a delimited settings value. With the comma, runs of commas count as one,
// so empty fields disappear; the text is trimmed first. Past the last field the last one is
// returned.
std::string NthField(char delimiter, std::string_view text, int n);

}  // namespace varnel
