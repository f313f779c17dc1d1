#pragma once
// "--name value" pairs of the analyser's command line.
#include <map>
#include <string>

namespace e2e {

class Options {
 public:
  // Throws std::invalid_argument for a stray word or a name without a value. Main thread.
  Options(int argc, char** argv, int first);

  bool Has(const std::string& name) const { return values_.count(name) != 0; }
  // Throw std::invalid_argument when the option is missing or not a number.
  std::string Text(const std::string& name) const;
  double Number(const std::string& name) const;
  long long Frame(const std::string& name) const;

 private:
  std::map<std::string, std::string> values_;
};

}  // namespace e2e
