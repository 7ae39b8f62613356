#pragma once
// A returning student's learned keys are known from the moment he signs in:
// the key groups come from the outline of his course, his key level from his
// record. The difficult-keys ranking is then limited to them at once, not
// only after his key level next rises.

namespace tq {

class TUser;

// Fills the student's key groups from his course (left as they are when the
// course cannot be read) and sets his learned keys.
void LoadLearnedKeys(TUser& student);

}  // namespace tq
