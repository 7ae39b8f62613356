#pragma once
// The pictures of the exercise pages: the key face texture, the hands and
// their ten highlighted fingers, the "correct" lamps and the feedback
// circles. Each is read from the program directory when its file is there
// (the format is recognised by content, whatever the extension) and
// otherwise drawn here, so the controls look right without any artwork.

#include <QPixmap>
#include <QPoint>
#include <QString>

namespace tq {

// Where the pictures are looked for; the program's own directory unless set
// (tests point it at a temporary folder). An empty path restores the default.
void SetArtworkDirectory(const QString& directory);
QString ArtworkDirectory();

// The picture file NAME.pic (or NAME.png, NAME.svg) of the artwork
// directory or its folder "art", letter case ignored; a null pixmap when
// there is none or it cannot be read.
QPixmap LoadArtwork(const QString& name);

// The hands panel: the hands picture is drawn at (0, 0) and the picture of
// finger N (1 left little .. 8 right little, 9 right thumb, 10 left thumb)
// over it at FingerOrigin(N).
constexpr int kHandsWidth = 400;
constexpr int kHandsHeight = 146;
QPoint FingerOrigin(int finger);

// The pictures drawn when the files are missing. A finger picture is meant
// for FingerOrigin(finger) on the drawn hands; finger 0 gives a null pixmap.
QPixmap DrawnHandsPicture();
QPixmap DrawnFingerPicture(int finger);
QPixmap DrawnLampPicture(bool on);
QPixmap DrawnFeedbackPicture(bool ok);

// The file when there is one, else the drawn picture. KeyFace has no drawn
// stand-in (a null pixmap means the keyboard fills faces with one colour).
// The hands come as a set: see TFingers::LoadPictures.
QPixmap KeyFacePicture();
QPixmap LampPicture(bool on);      // "OkOn" / "OkOff"
QPixmap FeedbackPicture(bool ok);  // "OkCircle" / "ErrorCircle"

// Colours of the drawn hands, for the tests that sample them.
inline constexpr unsigned kSkinColor = 0xF3D5B5;
inline constexpr unsigned kFingerHighlightColor = 0x00BF00;

}  // namespace tq
