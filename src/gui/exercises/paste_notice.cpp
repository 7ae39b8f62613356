#include "gui/exercises/paste_notice.h"

#include <QTimer>

#include "core/shell/strings.h"
#include "gui/shell/sounds.h"
#include "gui/widgets/controls.h"

namespace tq {
namespace {

constexpr const char* kNoticeName = "PasteNotice";
constexpr int kNoticeHeight = 28;
constexpr int kNoticeGap = 6;  // above the bottom of the box
const QColor kNoticeText(128, 0, 0);
const QColor kNoticeBackground(255, 243, 200);

}  // namespace

void ShowPasteRefused(QWidget* page, const QRect& box) {
  if (!page) return;
  auto* notice = page->findChild<TLabel*>(kNoticeName, Qt::FindDirectChildrenOnly);
  if (!notice) {
    notice =
        MakeLabel(page, kNoticeName, QRect(0, 0, 10, kNoticeHeight), PixelFont("Arial", 15, true),
                  kNoticeText, Qt::AlignCenter, kStrPasteRefused);
    notice->SetTransparent(false);
    notice->SetBackground(kNoticeBackground);
    auto* timer = new QTimer(notice);
    timer->setObjectName("PasteNoticeTimer");
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, notice, &QWidget::hide);
  }
  notice->setGeometry(box.x(), box.bottom() - kNoticeHeight - kNoticeGap, box.width(),
                      kNoticeHeight);
  notice->show();
  notice->raise();
  notice->findChild<QTimer*>("PasteNoticeTimer")->start(kPasteNoticeMs);
  PlaySound(kSoundError);
}

}  // namespace tq
