#pragma once
// The captions of cmdPlay, compared exactly (case and "&" included).
#include <QString>

namespace window {
inline const QString kStartCaption = QStringLiteral("&Start");
inline const QString kPauseCaption = QStringLiteral("&Pause");
}  // namespace window
