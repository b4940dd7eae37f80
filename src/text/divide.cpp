#include "text/divide.h"

#include "text/number_text.h"

namespace varnel {

TDivide::TDivide(std::string_view text, char delimiter) {
  std::string field;
  for (char c : text) {
    if (c == delimiter || c == '\0') {
      Fields.push_back(std::move(field));
      field.clear();
    } else {
      field.push_back(c);
    }
  }
  Fields.push_back(std::move(field));
  Count = static_cast<int>(Fields.size());
}

std::string NthField(char delimiter, std::string_view text, int n) {
  std::string s;
  s.reserve(text.size());
  for (char c : text) {
    if (delimiter == ',' && c == ',' && !s.empty() && s.back() == ',') continue;
    s.push_back(c);
  }
  std::string_view rest = Trim(s);
  std::string_view current;
  for (int i = 0; i <= n; ++i) {
    const size_t pos = rest.find(delimiter);
    if (pos != std::string_view::npos) {
      current = rest.substr(0, pos);
      rest = rest.substr(pos + 1);
    } else {
      current = rest;
    }
  }
  return std::string(current);
}

}  // namespace varnel
