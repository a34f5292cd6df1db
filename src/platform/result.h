#pragma once
// A value or the reason there is none. Readers of outside input return one of these so that a
// caller gets a clear message instead of an exception or a half-filled value.
#include <optional>
#include <string>
#include <utility>

namespace platform {

template <class T>
class Result {
 public:
  static Result ok(T value) { return Result(std::move(value), {}); }
  static Result fail(std::string message) { return Result(std::nullopt, std::move(message)); }

  explicit operator bool() const { return value_.has_value(); }
  bool hasValue() const { return value_.has_value(); }
  T& operator*() { return *value_; }
  const T& operator*() const { return *value_; }
  T* operator->() { return &*value_; }
  const T* operator->() const { return &*value_; }
  T take() { return std::move(*value_); }
  const std::string& error() const { return error_; }

 private:
  Result(std::optional<T> value, std::string error) : value_(std::move(value)), error_(std::move(error)) {}
  std::optional<T> value_;
  std::string error_;
};

}  // namespace platform
