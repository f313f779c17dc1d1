#include "platform/richtext/RtfReader.h"

#include <QTextDocument>

#include "platform/richtext/RtfInterpreter.h"

namespace richtext {

void ReadRtf(std::string_view rtf, QTextDocument& into) {
  into.clear();
  // Building a document is not an edit the user could undo.
  const bool undo = into.isUndoRedoEnabled();
  into.setUndoRedoEnabled(false);
  RtfInterpreter(rtf, into).Run();
  into.setUndoRedoEnabled(undo);
}

}  // namespace richtext
