#pragma once
// The short notice an exercise page shows when input was pasted instead of
// typed: it stands over the page for a few seconds and goes by itself; the
// pasted text is not typed.

#include <QRect>
#include <QWidget>

namespace tq {

// How long the notice stays.
constexpr int kPasteNoticeMs = 3000;

// Shows (or shows again) the notice in box on page and plays the error sound.
void ShowPasteRefused(QWidget* page, const QRect& box);

}  // namespace tq
