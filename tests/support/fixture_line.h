#pragma once
// Builds fixed-column CP932 record lines for tests: blanks everywhere, fields placed at their
// 1-based byte columns.
#include <string>
#include <string_view>

#include "racedata/record_fields.h"
#include "text/cp932.h"

namespace varnel::testing {

class FixtureLine {
 public:
  explicit FixtureLine(int width) : bytes_(static_cast<size_t>(width), ' ') {}
  // Places the UTF-8 text, encoded to CP932, at the field's columns (cut to the field length).
  FixtureLine& Set(FieldCol f, std::string_view utf8) {
    std::string raw = EncodeCp932(utf8);
    if (raw.size() > static_cast<size_t>(f.len)) raw.resize(static_cast<size_t>(f.len));
    if (bytes_.size() < static_cast<size_t>(f.col - 1 + f.len)) bytes_.resize(static_cast<size_t>(f.col - 1 + f.len), ' ');
    bytes_.replace(static_cast<size_t>(f.col - 1), raw.size(), raw);
    return *this;
  }
  FixtureLine& Set(int col, std::string_view utf8) {
    return Set(FieldCol{col, static_cast<int>(EncodeCp932(utf8).size())}, utf8);
  }
  const std::string& str() const { return bytes_; }
  operator std::string() const { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace varnel::testing
