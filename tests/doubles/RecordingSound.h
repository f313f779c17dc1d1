#pragma once
// A sound device double that records every call, in order, as text such as
// "BeatLeft.SetPan(-10000)", and answers each with DS_OK unless told to fail it.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/directsound/DirectSound.h"
#include "window/frmMain.h"

namespace doubles {

struct CallLog {
  std::vector<std::string> calls;
  // A call whose text starts with `first` answers `second`.
  std::vector<std::pair<std::string, ds::HRESULT>> failures;
  bool rootFails = false;

  ds::HRESULT Record(std::string call);
  void FailWhen(std::string callPrefix, ds::HRESULT status = ds::DSERR_INVALIDPARAM) {
    failures.emplace_back(std::move(callPrefix), status);
  }
  // The calls recorded after the first `skip` ones.
  std::vector<std::string> Since(std::size_t skip) const {
    return {calls.begin() + static_cast<std::ptrdiff_t>(std::min(skip, calls.size())), calls.end()};
  }
};

// The layer name a path's file gives: "tester1.wav" -> "BeatLeft", and so on.
std::string LayerNameOf(const std::string& path);

// A root maker for frmMain whose devices record into `log`.
frmMain::RootMaker RecordingRoot(std::shared_ptr<CallLog> log);

}  // namespace doubles
