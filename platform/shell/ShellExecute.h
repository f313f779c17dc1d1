#pragma once
// Opens a document or web address with the desktop's opener, the way the program's shell
// call expects: six arguments, returns at once, never through a command shell.
#include <cstdint>

namespace shell {

inline constexpr std::int32_t SW_SHOW = 5;
// A result above 32 means the opener was started.
inline constexpr std::intptr_t kStarted = 42;
inline constexpr std::intptr_t ERROR_FILE_NOT_FOUND = 2;

// `operation` "open" (or null) hands `file` to xdg-open, started detached without a shell
// and without waiting. `parameters` and `directory` may be null. The owner and show command
// are accepted for the caller's sake; the desktop decides where the browser's window goes.
// Returns kStarted, or ERROR_FILE_NOT_FOUND when no opener could be started. Window thread.
std::intptr_t ShellExecuteA(std::int32_t ownerWindow, const char* operation, const char* file,
                            const char* parameters, const char* directory,
                            std::int32_t showCommand);

}  // namespace shell
