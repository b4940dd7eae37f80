#pragma once
// A small streaming JSON writer for the CLI's --json output (UTF-8, keys in insertion order).
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

class JsonWriter {
 public:
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  JsonWriter& Key(std::string_view key);
  JsonWriter& String(std::string_view value);
  JsonWriter& Int(long long value);
  JsonWriter& Bool(bool value);
  JsonWriter& Null();
  // Key and value in one call.
  JsonWriter& Field(std::string_view key, std::string_view value) { return Key(key).String(value); }
  JsonWriter& Field(std::string_view key, const char* value) { return Key(key).String(value); }
  JsonWriter& Field(std::string_view key, const std::string& value) { return Key(key).String(value); }
  JsonWriter& Field(std::string_view key, int value) { return Key(key).Int(value); }
  JsonWriter& Field(std::string_view key, bool value) { return Key(key).Bool(value); }
  const std::string& str() const { return out_; }

 private:
  void Separate();
  std::string out_;
  std::vector<bool> first_;  // per open container: nothing written in it yet
  bool afterKey_ = false;
  int depth() const { return static_cast<int>(first_.size()); }
  void Newline();
};

std::string JsonEscape(std::string_view s);

}  // namespace varnel
