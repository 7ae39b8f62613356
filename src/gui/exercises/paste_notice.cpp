#include "gui/exercises/paste_notice.h"

#include <QTimer>
#include <algorithm>

#include "core/shell/strings.h"
#include "gui/shell/sounds.h"
#include "gui/widgets/controls.h"

namespace tq {
namespace {

constexpr const char* kNoticeName = "PasteNotice";
constexpr int kNoticeHeight = 28;
constexpr int kNoticeTop = 4;
const QColor kNoticeText(128, 0, 0);
const QColor kNoticeBackground(255, 243, 200);

}  // namespace

void ShowPasteRefused(QWidget* page) {
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
  const int width = std::min(page->width() - 20, 520);
  notice->setGeometry((page->width() - width) / 2, kNoticeTop, width, kNoticeHeight);
  notice->show();
  notice->raise();
  notice->findChild<QTimer*>("PasteNoticeTimer")->start(kPasteNoticeMs);
  PlaySound(kSoundError);
}

}  // namespace tq
