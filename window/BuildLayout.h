#pragma once
// Makes frmMain's controls from the stored layout and puts the built-in artwork on them.
namespace tk {
class Form;
}

namespace window {
// Once, from the window's constructor. Window thread.
void BuildLayout(tk::Form& form);
}  // namespace window
