#include "tests/e2e/analysis/Report.h"

#include <cstdio>
#include <stdexcept>

namespace e2e {

void Report::Add(const std::string& key, double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.6f", value);
  entries_.emplace_back(key, text);
}

void Report::Add(const std::string& key, std::int64_t value) { entries_.emplace_back(key, std::to_string(value)); }

void Report::Add(const std::string& key, const std::string& value) { entries_.emplace_back(key, value); }

void Report::Set(const std::string& key, double value) {
  Drop(key);
  Add(key, value);
}

void Report::Set(const std::string& key, std::int64_t value) {
  Drop(key);
  Add(key, value);
}

void Report::Set(const std::string& key, const std::string& value) {
  Drop(key);
  Add(key, value);
}

void Report::Drop(const std::string& key) {
  std::erase_if(entries_, [&](const auto& entry) { return entry.first == key; });
}

void Report::Print(std::ostream& out) const {
  for (const auto& [key, value] : entries_) out << key << '=' << value << '\n';
}

std::string Report::Get(const std::string& key) const {
  for (const auto& [name, value] : entries_) {
    if (name == key) return value;
  }
  return {};
}

double Report::Number(const std::string& key) const {
  const std::string value = Get(key);
  if (value.empty()) throw std::out_of_range("no measurement " + key);
  return std::stod(value);
}

}  // namespace e2e
