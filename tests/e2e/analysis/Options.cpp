#include "tests/e2e/analysis/Options.h"

#include <stdexcept>

namespace e2e {

Options::Options(int argc, char** argv, int first) {
  for (int i = first; i < argc; i += 2) {
    const std::string name = argv[i];
    if (name.rfind("--", 0) != 0 || i + 1 >= argc) throw std::invalid_argument("bad option near '" + name + "'");
    values_[name.substr(2)] = argv[i + 1];
  }
}

std::string Options::Text(const std::string& name) const {
  const auto found = values_.find(name);
  if (found == values_.end()) throw std::invalid_argument("missing --" + name);
  return found->second;
}

double Options::Number(const std::string& name) const {
  const std::string text = Text(name);
  std::size_t used = 0;
  const double value = std::stod(text, &used);
  if (used != text.size()) throw std::invalid_argument("--" + name + " is not a number: " + text);
  return value;
}

long long Options::Frame(const std::string& name) const {
  const std::string text = Text(name);
  std::size_t used = 0;
  const long long value = std::stoll(text, &used);
  if (used != text.size()) throw std::invalid_argument("--" + name + " is not a frame number: " + text);
  return value;
}

}  // namespace e2e
