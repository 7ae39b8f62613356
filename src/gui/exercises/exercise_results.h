#pragma once
// Where a text typing event leaves its figures when its page closes. The
// lesson spread's results page installs a receiver: it gets the whole
// TextResults (HasResults says whether there are figures; with them it
// marks the previous values and shows speed, accuracy, efficiency, rhythm,
// back-spaces, their grades and the tip, or an exam's verdict in place of
// the tip) and becomes the spread's left page. Without a receiver the
// figures are only kept here, for whoever asks next.

#include <functional>

#include "core/exercises/text_session.h"

namespace tq {

using ExerciseResultsReceiver = std::function<void(const TextResults& results)>;

// Installs the receiver (an empty one removes it).
void SetExerciseResultsReceiver(ExerciseResultsReceiver receiver);
// Called by the text events as their page closes.
void DeliverExerciseResults(const TextResults& results);
// The figures delivered last (none yet: HasResults false, PageResult 0).
const TextResults& LastExerciseResults();

}  // namespace tq
