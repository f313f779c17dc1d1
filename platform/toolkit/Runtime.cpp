#include "platform/toolkit/Runtime.h"

#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/toolkit/RuntimeError.h"

namespace tk {
namespace {

RuntimeHooks& Hooks() {
  static RuntimeHooks hooks;
  return hooks;
}

QMessageBox::Icon IconForStyle(int style) {
  switch (style & 0x70) {
    case vbCritical: return QMessageBox::Critical;
    case 0x20: return QMessageBox::Question;
    case 0x30: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

}  // namespace

void SetRuntimeHooks(RuntimeHooks hooks) { Hooks() = std::move(hooks); }

int MsgBox(const QString& prompt, int style, const std::optional<QString>& title) {
  const QString shownTitle = title.value_or(kApplicationTitle);
  if (Hooks().messageBox) return Hooks().messageBox(prompt, style, shownTitle);

  QMessageBox box(IconForStyle(style), shownTitle, prompt, QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
  return vbOK;
}

void End() {
  if (Hooks().end) Hooks().end();
  // Leave at once: no destructor of ours runs, as if the process had been ended from outside.
  std::fflush(nullptr);
  std::_Exit(EXIT_SUCCESS);
}

std::string AppPath() {
  std::optional<std::string> folder = AppPathIfFound();
  if (!folder) throw RuntimeError(-2147467259, "Unable to find the program's folder");
  return std::move(*folder);
}

std::optional<std::string> AppPathIfFound() {
  if (Hooks().appPath) return Hooks().appPath();
  std::error_code error;
  const auto exe = std::filesystem::canonical("/proc/self/exe", error);
  if (error) return std::nullopt;
  std::string folder = exe.parent_path().string();
  // Only the root folder would end in a separator; the caller appends "/name".
  if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

}  // namespace tk
