#pragma once
// Pictures of the lesson, welcome and profile pages: read from the program
// directory (the current one while the program runs) by name, letter case
// ignored, their format recognised by content; the storage forms' own
// pictures from its "art" folder. Where a file is missing the storage forms
// draw a stand-in, so the pages look complete without any artwork.

#include <QPixmap>
#include <string>

namespace tq {

class TImage;

// The picture file of the program directory ("Ch3.pic"); a null pixmap when
// it is missing or unreadable.
QPixmap ProgramPicture(const std::string& fileName);
// The storage-form picture NAME from "art/NAME.png" (or "NAME.pic" beside
// the program); a null pixmap when there is none.
QPixmap ArtPicture(const char* name);
// Loads ArtPicture(name) into the image unless it already holds a picture.
void EnsureArtPicture(TImage* image);

}  // namespace tq
