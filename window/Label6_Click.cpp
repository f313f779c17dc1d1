// "X" hides the help text when it shows and shows it again when hidden; the text is untouched.
#include "platform/richtext/RichTextBox.h"
#include "window/frmMain.h"

void frmMain::Label6_Click() {
  const bool visible = rchText->Visible();
  rchText->SetVisible(!visible);
}
