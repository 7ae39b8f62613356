#include "gui/storage/about_storage.h"

#include <QPainter>

#include "core/shell/strings.h"
#include "gui/shell/qt_text.h"

namespace tq {

TAboutStorage::TAboutStorage() : TStorageForm("AboutStorage") {
  const QColor ink(60, 44, 32);
  const QColor grey(110, 110, 110);
  ProductLbl = MakeLabel(this, "ProductLbl", QPoint(44, 62), PixelFont("Times New Roman", 40, true),
                         QColor(122, 74, 46), kStrAboutProduct);
  SubtitleLbl = MakeLabel(this, "SubtitleLbl", QPoint(46, 112), PixelFont("Arial", 16), grey,
                          kStrAboutSubtitle);
  AboutRule = AddImage("AboutRule", 290, 6);
  AboutRule->move(44, 144);
  AboutRule->SetPainter([](QPainter& p, const QRect& r) {
    p.fillRect(QRect(r.left(), r.center().y() - 1, r.width(), 2), QColor(214, 178, 94));
  });
  // The version texts are filled in when the page is shown.
  VersionLbl =
      MakeLabel(this, "VersionLbl", QPoint(46, 164), PixelFont("Arial", 15), ink, kStrAboutVersion);
  BuildDateLbl = MakeLabel(this, "BuildDateLbl", QPoint(46, 190), PixelFont("Arial", 15), ink,
                           kStrAboutBuildDate);
  CopyrightLbl = MakeLabel(this, "CopyrightLbl", QPoint(46, 216), PixelFont("Arial", 15), ink,
                           kStrAboutCopyright);

  CreditsFrame = AddImage("CreditsFrame", 318, 292);
  CreditsFrame->move(372, 54);
  CreditsFrame->SetPainter([](QPainter& p, const QRect& r) {
    p.setPen(QPen(QColor(214, 200, 170), 1));
    p.setBrush(QColor(250, 246, 236));
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
  });
  CreditsTitle = MakeLabel(this, "CreditsTitle", QPoint(392, 70), PixelFont("Arial", 18, true), ink,
                           kStrAboutCreditsTitle);
  CreditsLbl = MakeLabel(this, "CreditsLbl", QPoint(392, 104), PixelFont("Arial", 14), ink,
                         kStrAboutCredits);
  CreditsLbl->SetAutoSize(false);
  CreditsLbl->SetWordWrap(true);
  CreditsLbl->resize(282, 228);
  CreditsLbl->SetCaption(
      QString(CreditsLbl->Caption()).replace(QLatin1Char('\r'), QLatin1Char('\n')));

  StudyingLink = MakeLabel(this, "StudyingLink", QPoint(46, 370), PixelFont("Arial", 15, true),
                           QColor(40, 90, 150), kStrAboutStudying);
  SetControlCursor(StudyingLink, kCursorHand);
}

}  // namespace tq
