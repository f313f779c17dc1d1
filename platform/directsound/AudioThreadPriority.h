#pragma once
// Puts the calling thread on real-time round-robin scheduling where the system allows it, so
// other busy processes cannot starve the output. Where it does not allow it, the thread keeps
// the priority it had. One system call: no allocation, no lock, no I/O. SDL's audio thread,
// from its first callback: by then SDL has set the thread's own priority, which would
// otherwise undo this one.
namespace ds {
void RaiseThisThreadToRealtime();
}
