#include "gui/storage/page_pictures.h"

#include <QImageReader>

#include "core/files/paths.h"
#include "gui/shell/controls.h"

namespace tq {

QPixmap ProgramPicture(const std::string& fileName) {
  if (fileName.empty() || !FileExists(fileName)) return {};
  QImageReader reader(QString::fromStdString(ResolveExisting(fileName)));
  reader.setDecideFormatFromContent(true);
  const QImage image = reader.read();
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
