#include "platform/shell/ShellExecute.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <cstring>

namespace shell {

std::intptr_t ShellExecuteA(std::int32_t, const char* operation, const char* file,
                            const char* parameters, const char* directory, std::int32_t) {
  if (operation && std::strcmp(operation, "open") != 0) return ERROR_FILE_NOT_FOUND;
  if (!file || !*file) return ERROR_FILE_NOT_FOUND;

  QStringList arguments{QString::fromLocal8Bit(file)};
  if (parameters && *parameters) arguments << QString::fromLocal8Bit(parameters);
  const QString workingDirectory = directory ? QString::fromLocal8Bit(directory) : QString();
  // startDetached execs the program directly (no shell) and does not wait for it to finish.
  const bool started = QProcess::startDetached(QStringLiteral("xdg-open"), arguments, workingDirectory);
  return started ? kStarted : ERROR_FILE_NOT_FOUND;
}

}  // namespace shell
