#pragma once
// Run-time errors: a failing status raised out of the running procedure and its callers.
// Only the event dispatch (EventDispatch.h) catches them.
#include <cstdint>
#include <exception>
#include <string>

namespace tk {

class RuntimeError : public std::exception {
 public:
  RuntimeError(std::int32_t number, std::string description);
  std::int32_t Number() const { return number_; }
  const std::string& Description() const { return description_; }
  const char* what() const noexcept override { return description_.c_str(); }

 private:
  std::int32_t number_;
  std::string description_;
};

// The text the error report shows for a status, e.g. "Invalid parameter". Any thread.
std::string DescribeStatus(std::int32_t status);

// Raises a RuntimeError when `status` is a failure (below zero). Any thread.
inline void Check(std::int32_t status) {
  if (status < 0) throw RuntimeError(status, DescribeStatus(status));
}

}  // namespace tk
