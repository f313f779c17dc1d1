#pragma once
// The instruments of the music loop. Each voice is a function of the time since its note
// began, in seconds, that rises from silence and falls back to silence, so no note clicks.
// Any thread: the notes are pure functions of time.
#include <functional>
#include <vector>

namespace layers {

using Voice = std::function<double(double seconds)>;

struct Note {
  Voice voice;
  double seconds;  // how long the voice sounds, its fall included
};

// Concert pitch of a MIDI note number (69 is A 440 Hz).
double NoteHz(int midi);

// A warm, slowly breathing chord tone: soft harmonics in detuned pairs, a long rise and fall.
Note PadNote(int midi, double holdSeconds);

// A round low tone under the chord.
Note BassNote(int midi, double holdSeconds);

// A soft glass-bell tone that fades by itself.
Note BellNote(int midi);

// Adds `note` to the loop from `startSeconds` on; whatever rings past the loop's end wraps
// to its start, as it would when the loop plays again.
void AddWrapped(std::vector<double>& loop, double startSeconds, const Note& note, double level);

}  // namespace layers
