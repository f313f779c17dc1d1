#pragma once
// The document's colour table (\colortbl). An entry with no component words is the
// automatic colour, which reads back as an invalid QColor.
#include <QColor>
#include <vector>

namespace richtext {

// All: any thread, one reader at a time.
class RtfColorTable {
 public:
  enum class Component { Red, Green, Blue };

  // Entry building: component words, then ';'.
  void SetComponent(Component component, int value);
  void EndEntry();

  // The colour at `index`; invalid for the automatic colour and for indexes not in the table.
  QColor At(int index) const;

 private:
  std::vector<QColor> entries_;
  int red_ = 0;
  int green_ = 0;
  int blue_ = 0;
  bool anyComponent_ = false;
};

}  // namespace richtext
