#include "platform/toolkit/EventDispatch.h"

#include <QString>

#include "platform/toolkit/Runtime.h"
#include "platform/toolkit/RuntimeError.h"

namespace tk {

void ShowErrorReport(const RuntimeError& error) {
  const auto number = error.Number();
  QString heading = QStringLiteral("Run-time error '%1").arg(number);
  if (number < 0) {
    heading += QStringLiteral(" (%1)").arg(static_cast<quint32>(number), 8, 16, QLatin1Char('0')).toUpper();
  }
  heading += QStringLiteral("':");
  MsgBox(heading + QStringLiteral("\n\n") + QString::fromStdString(error.Description()), vbCritical);
}

void Dispatch(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const RuntimeError& error) {
    ShowErrorReport(error);
    End();
  }
}

}  // namespace tk
