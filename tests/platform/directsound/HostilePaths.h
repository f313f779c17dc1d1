#pragma once
// Folders a user may well install the program into: names with spaces, quotes, backslashes,
// shell characters or non-ASCII letters, a path near the longest the system takes, and a
// folder reached through a symbolic link. Each one is made inside a test's TempDir.
#include <ostream>
#include <string>
#include <vector>

#include "tests/platform/directsound/WavFixtures.h"

namespace dstest {

// The longest path the system opens, terminating zero included.
inline constexpr std::size_t kPathMax = 4096;

struct HostileFolder {
  const char* name;
  // Makes the folder (and whatever leads to it) inside `base`; returns its absolute path.
  std::string (*make)(const TempDir& base);
};

const std::vector<HostileFolder>& HostileFolders();
inline void PrintTo(const HostileFolder& folder, std::ostream* os) { *os << folder.name; }

// A folder made of nested ones whose path is `bytes` long.
std::string NestedFolderOfLength(const TempDir& base, std::size_t bytes);

}  // namespace dstest
