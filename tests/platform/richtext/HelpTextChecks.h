#pragma once
// The facts the program's help text must show once read into its rich text box: 13
// paragraphs, a title line, the underlined italic heading and six bullet lines with a
// hanging indent, all 10 pt Verdana in navy but for the red "1.1" and the Symbol bullets.
#include <string_view>

namespace richtext::testing {

// Shows `rtf` in a box of the window's size (217 x 137) and checks it; failures are reported
// through GoogleTest. Window thread.
void ExpectHelpTextReadsBack(std::string_view rtf);

}  // namespace richtext::testing
