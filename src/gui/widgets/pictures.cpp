#include "gui/widgets/pictures.h"

#include <QImageReader>

#include "core/files/paths.h"
#include "gui/widgets/controls.h"

namespace tq {

QImage ReadPicture(const QString& path) {
  const std::string name = path.toStdString();
  if (name.empty() || !FileExists(name)) return {};
  QImageReader reader(QString::fromStdString(ResolveExisting(name)));
  reader.setDecideFormatFromContent(true);
  return reader.read();
}

QPixmap ProgramPicture(const std::string& fileName) {
  const QImage image = ReadPicture(QString::fromStdString(fileName));
  return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

QPixmap ArtPicture(const char* name) {
  const std::string base(name);
  for (const std::string& file : {"art\\" + base + ".png", base + ".pic"}) {
    QPixmap picture = ProgramPicture(file);
    if (!picture.isNull()) return picture;
  }
  return {};
}

void EnsureArtPicture(TImage* image) {
  if (!image || !image->Picture().isNull()) return;
  const QPixmap picture = ArtPicture(image->objectName().toLatin1().constData());
  if (!picture.isNull()) image->SetPicture(picture);
}

}  // namespace tq
