#pragma once
// Measurements as ordered "key=value" lines, the form the harness reads back.
#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

class Report {
 public:
  // All: any thread, one at a time.
  void Add(const std::string& key, double value);
  void Add(const std::string& key, std::int64_t value);
  void Add(const std::string& key, const std::string& value);
  // Replaces the key's value where it is present, else adds it.
  void Set(const std::string& key, double value);
  void Set(const std::string& key, std::int64_t value);
  void Set(const std::string& key, const std::string& value);
  void Print(std::ostream& out) const;
  // The value of a key, or "" when absent.
  std::string Get(const std::string& key) const;
  double Number(const std::string& key) const;

 private:
  void Drop(const std::string& key);
  std::vector<std::pair<std::string, std::string>> entries_;
};

}  // namespace e2e
