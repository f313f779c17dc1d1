#pragma once
// The program's one window: its controls, its four members and its nine procedures.
#include <array>
#include <functional>
#include <memory>

#include "platform/directsound/DirectSound.h"
#include "platform/toolkit/Form.h"

namespace tk {
class CheckBox;
class CommandButton;
class Image;
class Label;
class Line;
class VScrollBar;
}  // namespace tk
namespace richtext {
class RichTextBox;
}
namespace statusbar {
class StatusBar;
}

class frmMain : public tk::Form {
  Q_OBJECT

 public:
  // Makes the sound interface's root object; a failing status means there is none.
  using RootMaker = std::function<ds::HRESULT(std::shared_ptr<ds::DirectX7>&)>;

  // Builds the window and its controls from the stored layout; Start() raises the load event
  // and shows it. `makeRoot` lets tests put a recording device in place of the sound card.
  // Window thread.
  explicit frmMain(RootMaker makeRoot = MakeSoundCardRoot);

  // The real root: devices play through the desktop's sound server. Window thread.
  static ds::HRESULT MakeSoundCardRoot(std::shared_ptr<ds::DirectX7>& root);

  // Members, in their declared order. Window thread only.
  std::shared_ptr<ds::DirectX7> DirectXRoot;
  std::shared_ptr<ds::DirectSound> SoundDevice;
  std::array<std::shared_ptr<ds::DirectSoundBuffer>, 4> LayerBuffers;
  bool PreviewNoticeShown = false;

  // Procedures, in their order in the window class. Each runs on the window thread; a
  // failing call inside raises tk::RuntimeError out of it.
  void StopPlayback();
  void LoadWave();
  void cmdPlay_Click();
  void Check1_Click();
  void Check2_Click();
  void Form_Load();
  void Image1_Click();
  void Label6_Click();
  void VSAmp_Change();

  // The controls, reached by their names.
  richtext::RichTextBox* rchText = nullptr;
  tk::CheckBox* Check2 = nullptr;
  tk::VScrollBar* VSAmp = nullptr;
  tk::CheckBox* Check1 = nullptr;
  tk::CommandButton* cmdPlay = nullptr;
  statusbar::StatusBar* StatusBar1 = nullptr;
  tk::Label* Label6 = nullptr;
  tk::Label* Label5 = nullptr;
  tk::Label* Label4 = nullptr;
  tk::Label* Label3 = nullptr;
  tk::Line* Line2 = nullptr;
  tk::Image* Image1 = nullptr;
  tk::Line* Line1 = nullptr;
  tk::Label* lblBB = nullptr;
  tk::Label* Label2 = nullptr;
  tk::Label* Label1 = nullptr;

 private:
  void FindControls();
  void ConnectEvents();

  RootMaker makeRoot_;
};
