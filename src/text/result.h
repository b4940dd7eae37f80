#pragma once
// A value or the Japanese error text to show the user. Operations that can fail for reasons
// outside the program (files, database, network) return this instead of a bare bool.
#include <string>
#include <utility>
#include <variant>

namespace varnel {

struct Error {
  std::string message;
};

template <typename T>
class Result {
 public:
  Result(T value) : v_(std::move(value)) {}
  Result(Error e) : v_(std::move(e)) {}
  bool ok() const { return v_.index() == 0; }
  explicit operator bool() const { return ok(); }
  T& value() { return std::get<0>(v_); }
  const T& value() const { return std::get<0>(v_); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }
  T& operator*() { return value(); }
  const T& operator*() const { return value(); }
  const std::string& error() const { return std::get<1>(v_).message; }

 private:
  std::variant<T, Error> v_;
};

struct Ok {};
using Status = Result<Ok>;
inline Status Success() { return Ok{}; }
inline Error Fail(std::string message) { return Error{std::move(message)}; }

}  // namespace varnel
