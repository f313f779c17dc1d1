#include "tests/platform/directsound/HostilePaths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <stdexcept>

namespace dstest {
namespace {

std::string Made(const std::string& path) {
  if (::mkdir(path.c_str(), 0755) != 0) throw std::runtime_error("mkdir " + path);
  return path;
}

std::string Named(const TempDir& base, const char* name) { return Made(base.File(name)); }

std::string ThroughSymlink(const TempDir& base) {
  const std::string real = Named(base, "real folder");
  const std::string link = base.File("linked folder");
  if (::symlink(real.c_str(), link.c_str()) != 0) throw std::runtime_error("symlink " + link);
  return link;
}

}  // namespace

std::string NestedFolderOfLength(const TempDir& base, std::size_t bytes) {
  std::string path = base.path();
  while (path.size() < bytes) {
    const std::size_t left = bytes - path.size() - 1;  // less the separator
    // Names of at most 200 bytes, and never a last one shorter than 50.
    const std::size_t name = left > 250 ? 200 : left;
    path = Made(path + "/" + std::string(name, 'd'));
  }
  return path;
}

const std::vector<HostileFolder>& HostileFolders() {
  static const std::vector<HostileFolder> folders{
      {"Spaces", [](const TempDir& b) { return Named(b, " Velnoria  Lumetta "); }},
      {"Quotes", [](const TempDir& b) { return Named(b, "it's \"Velnoria\""); }},
      {"Backslashes", [](const TempDir& b) { return Named(b, "C:\\Program Files\\Velnoria\\"); }},
      {"ShellCharacters",
       [](const TempDir& b) { return Named(b, "$(touch pwned) `id` & | ; * ? ~ {a,b} #"); }},
      {"NonAscii", [](const TempDir& b) { return Named(b, "Ünïcødé Ελληνικά 日本語 ✓"); }},
      {"NearTheLongestPath", [](const TempDir& b) { return NestedFolderOfLength(b, 4000); }},
      {"ThroughASymbolicLink", ThroughSymlink},
  };
  return folders;
}

}  // namespace dstest
