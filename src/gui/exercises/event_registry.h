#pragma once
// Start-up of the exercise event pages: creates the storage form their
// controls live on and tells the course model's event factory which page
// each event type of a course line opens. Shut-down undoes both.

namespace tq {

// The event types these pages serve.
constexpr const char* kEventPageTypes[] = {"MESSAGE",   "TEXT", "EXAM",    "SENTENCE",
                                           "PARAGRAPH", "WORD", "NEWKEYS", "KEYBOARD"};

// Needs the book window.
void RegisterEventPages();
void UnregisterEventPages();

}  // namespace tq
