#pragma once
// Run-time services the program relies on: message boxes, the program's folder, ending the
// program. Tests replace the person and the process end through RuntimeHooks.
#include <QString>
#include <functional>
#include <optional>
#include <string>

namespace tk {

inline constexpr int vbOKOnly = 0;
inline constexpr int vbCritical = 0x10;
inline constexpr int vbInformation = 0x40;
inline constexpr int vbOK = 1;

// The title a message box bears when it is given none.
inline const QString kApplicationTitle = QStringLiteral("VelnoriaLM");

// Shows a modal message box with an OK button; `style` picks the icon (0 none, 0x10
// critical, 0x40 information). Returns when the user has closed it. Window thread.
int MsgBox(const QString& prompt, int style = vbOKOnly, const std::optional<QString>& title = {});

// Ends the program at once; nothing further of it runs. Window thread.
[[noreturn]] void End();

// Full path of the folder holding the running executable, links resolved, no trailing
// separator. Window thread.
std::string AppPath();
// The same, or nothing where AppPath would raise its error. Window thread.
std::optional<std::string> AppPathIfFound();

// Seams for tests. Each unset hook falls back to the real behaviour.
struct RuntimeHooks {
  std::function<int(const QString& prompt, int style, const QString& title)> messageBox;
  std::function<void()> end;  // must not return (throw ProgramEnded from a test)
  std::function<std::string()> appPath;
};

// Thrown by test hooks to stand for the end of the program; nothing of ours catches it.
struct ProgramEnded {};

// Window thread (tests only).
void SetRuntimeHooks(RuntimeHooks hooks);

}  // namespace tk
