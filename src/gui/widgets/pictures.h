#pragma once
// The one way the program finds a picture file: the exact name, else a name
// that differs only in letter case in the same folder (the data names files
// both ways), the format recognised by content. Pictures of the lesson,
// welcome and profile pages come from the program directory (the current
// one while the program runs); the storage forms' own pictures from its
// "art" folder. Where a file is missing the storage forms draw a stand-in,
// so the pages look complete without any artwork.

#include <QImage>
#include <QPixmap>
#include <QString>
#include <string>

namespace tq {

class TImage;

// The picture at PATH (letter case ignored as above); a null image when it
// is missing or unreadable.
QImage ReadPicture(const QString& path);
// The picture file of the program directory ("Ch3.pic"); a null pixmap when
// it is missing or unreadable.
QPixmap ProgramPicture(const std::string& fileName);
// The storage-form picture NAME from "art/NAME.png" (or "NAME.pic" beside
// the program); a null pixmap when there is none.
QPixmap ArtPicture(const char* name);
// Loads ArtPicture(name) into the image unless it already holds a picture.
void EnsureArtPicture(TImage* image);

}  // namespace tq
