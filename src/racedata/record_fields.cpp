#include "racedata/record_fields.h"

#include "text/cp932.h"
#include "text/number_text.h"

namespace varnel {

std::string_view RawField(std::string_view line, FieldCol f) { return SjisColumns(line, f.col, f.len); }

std::string TextField(std::string_view line, FieldCol f) { return DecodeCp932(RawField(line, f)); }

std::string TrimmedField(std::string_view line, FieldCol f) {
  return std::string(Trim(TextField(line, f)));
}

int IntField(std::string_view line, FieldCol f) { return ToInt(RawField(line, f)); }

}  // namespace varnel
