#pragma once
// The look of the book window: the file each picture is loaded from when
// the program directory has it, and the drawing that stands in for it when
// it does not. Drawing keeps no bitmap in memory.

#include <QPainter>
#include <QString>

#include "gui/widgets/controls.h"

namespace tq::artwork {

// The picture file of a control of the book window, relative to the
// program directory ("TabRowPic" -> "art/TabRowPic.png"), or an empty text
// for controls that only draw.
QString FileOf(const QString& controlName);

void Background(QPainter& p, const QRect& r);
void Paper(QPainter& p, const QRect& r);
void Spine(QPainter& p, const QRect& r);
// All tabs in their selected look, at their places in the tab row.
void TabRow(QPainter& p, const QRect& r);
// The unselected look of one tab.
void LargeTab(QPainter& p, const QRect& r);
void SmallTab(QPainter& p, const QRect& r);
void ExitTab(QPainter& p, const QRect& r);
// Covers the Options tab when the settings page is disabled.
void HiddenTab(QPainter& p, const QRect& r);
void Console(QPainter& p, const QRect& r, int style);
enum class Glyph { Begin, Next, Back, Cancel, SkipForward, SkipBack };
void ConsoleButton(QPainter& p, const QRect& r, Glyph glyph);
void Cover(QPainter& p, const QRect& r);
void CoverFrame(QPainter& p, const QRect& r);
void TitleRule(QPainter& p, const QRect& r);

}  // namespace tq::artwork
