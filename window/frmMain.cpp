#include "window/frmMain.h"

#include "platform/richtext/RichTextBox.h"
#include "platform/statusbar/StatusBar.h"
#include "platform/toolkit/CheckBox.h"
#include "platform/toolkit/CommandButton.h"
#include "platform/toolkit/Image.h"
#include "platform/toolkit/Label.h"
#include "platform/toolkit/Line.h"
#include "platform/toolkit/Twips.h"
#include "platform/toolkit/VScrollBar.h"
#include "window/BuildLayout.h"
#include "window/Layout.h"

frmMain::frmMain(RootMaker makeRoot)
    : tk::Form(tk::TwipsToPixels(window::kWindow.clientWidth),
               tk::TwipsToPixels(window::kWindow.clientHeight)),
      makeRoot_(std::move(makeRoot)) {
  window::BuildLayout(*this);
  FindControls();
  ConnectEvents();
}

ds::HRESULT frmMain::MakeSoundCardRoot(std::shared_ptr<ds::DirectX7>& root) {
  root = ds::MakeDirectX7();
  return root ? ds::DS_OK : ds::DSERR_GENERIC;
}

void frmMain::FindControls() {
  rchText = Controls<richtext::RichTextBox>("rchText");
  Check2 = Controls<tk::CheckBox>("Check2");
  VSAmp = Controls<tk::VScrollBar>("VSAmp");
  Check1 = Controls<tk::CheckBox>("Check1");
  cmdPlay = Controls<tk::CommandButton>("cmdPlay");
  StatusBar1 = Controls<statusbar::StatusBar>("StatusBar1");
  Label6 = Controls<tk::Label>("Label6");
  Label5 = Controls<tk::Label>("Label5");
  Label4 = Controls<tk::Label>("Label4");
  Label3 = Controls<tk::Label>("Label3");
  Line2 = Controls<tk::Line>("Line2");
  Image1 = Controls<tk::Image>("Image1");
  Line1 = Controls<tk::Line>("Line1");
  lblBB = Controls<tk::Label>("lblBB");
  Label2 = Controls<tk::Label>("Label2");
  Label1 = Controls<tk::Label>("Label1");
}

// Exactly seven events have handlers; every other event is left to the toolkit.
void frmMain::ConnectEvents() {
  connect(this, &tk::Form::Load, this, &frmMain::Form_Load);
  connect(Check1, &tk::CheckBox::Click, this, &frmMain::Check1_Click);
  connect(Check2, &tk::CheckBox::Click, this, &frmMain::Check2_Click);
  connect(cmdPlay, &tk::CommandButton::Click, this, &frmMain::cmdPlay_Click);
  connect(Image1, &tk::Image::Click, this, &frmMain::Image1_Click);
  connect(Label6, &tk::Label::Click, this, &frmMain::Label6_Click);
  connect(VSAmp, &tk::VScrollBar::Change, this, &frmMain::VSAmp_Change);
}
