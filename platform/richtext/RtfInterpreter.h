#pragma once
// Reads RTF token by token into a QTextDocument. Groups are kept on an explicit stack with a
// depth cap, so no input makes it recurse, grow without bound or loop.
#include <QStringView>
#include <string_view>
#include <vector>

#include "platform/richtext/DocumentWriter.h"
#include "platform/richtext/RtfColorTable.h"
#include "platform/richtext/RtfFontTable.h"
#include "platform/richtext/RtfFormat.h"
#include "platform/richtext/RtfLexer.h"
#include "platform/richtext/RtfWords.h"

class QTextDocument;

namespace richtext {

// All: the thread that owns the document.
class RtfInterpreter {
 public:
  // Groups nested deeper than this are skipped with all they hold.
  static constexpr std::size_t kMaxGroupDepth = 256;

  RtfInterpreter(std::string_view rtf, QTextDocument& into);
  // Reads the whole input; the document then holds what it says.
  void Run();

 private:
  enum class Destination {
    Body,
    FontTable,
    ColorTable,
    BulletText,
    BulletLevel,
    BulletLevelText,
    Skip
  };

  struct GroupState {
    CharacterFormat chars;
    Destination destination = Destination::Body;
    int unicodeSkip = 1;  // \ucN: fallback characters that follow each \uN
  };

  void OpenGroup();
  void CloseGroup();
  void HandleWord(const RtfToken& token, bool ignorable);
  void HandleSymbol(char symbol);
  // `escaped`: the byte came as \'hh, so it is text even where ';' ends a table entry.
  void HandleBytes(std::string_view bytes, bool escaped);
  bool SkipFallback();

  bool EnterDestination(RtfWord word);
  // Words that act on the document as a whole: defaults, \par, \uN and the like.
  void HandleDocumentWord(RtfWord word, const RtfToken& token);

  void EmitText(QStringView text);
  void WriteBody(QStringView text);
  void EndParagraph();
  QChar Decode(unsigned char byte) const;

  GroupState& Top() { return groups_.back(); }
  const GroupState& Top() const { return groups_.back(); }

  RtfLexer lexer_;
  RtfFontTable fonts_;
  RtfColorTable colors_;
  DocumentWriter writer_;
  std::vector<GroupState> groups_;  // groups_[0] stands outside every group
  ParagraphFormat paragraph_;
  std::size_t skippedDepth_ = 0;  // groups open beyond kMaxGroupDepth
  int fallbackToSkip_ = 0;        // characters after \uN still to drop
  bool bulletWritten_ = false;    // the current paragraph already shows its bullet
  bool ignorableNext_ = false;    // \* was read: an unknown next word skips its group
  bool finished_ = false;         // the outermost group has closed
};

}  // namespace richtext
