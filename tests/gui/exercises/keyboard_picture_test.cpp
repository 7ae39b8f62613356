// The drill controls together on the shipped US keyboard, as a student sees
// them: once with the shipped pictures, once with the drawn stand-ins. With
// TAPQUILL_SCREENSHOT_DIR set the sheets are also saved there
// (keyboard_widget.png, keyboard_widget_drawn.png) for a person to look at.

#include <gtest/gtest.h>

#include <QPainter>
#include <QTest>
#include <cstdlib>

#include "core/shell/errors.h"
#include "gui/exercises/exercise_art.h"
#include "gui/exercises/fingers.h"
#include "gui/exercises/keyboard.h"
#include "gui/exercises/lcds.h"
#include "gui/render_probe.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

std::string SourceRoot() {
  return TAPQUILL_SOURCE_DIR;
}

constexpr QPoint kKeyboardAt(10, 10);
constexpr QPoint kLightAt(530, 10);

// The page of a keyboard drill: keyboard, hands, rhythm light and lamps.
QImage DrillPage(TKeyDataExt& layout) {
  QWidget page;
  page.resize(660, 370);
  auto* keyboard = new TKeyboard(&page, &layout);
  keyboard->move(kKeyboardAt);
  keyboard->SetLearnedKeys("asdfjkl;ghASDFJKLGH");
  keyboard->ShowKeys("J", "g");
  keyboard->PressKey('h');
  auto* fingers = new TFingers(&page);
  fingers->move(60, 205);
  fingers->SetFinger(layout.FingerOf('J'));
  auto* light = new TTrafficLightLcd(&page);
  light->move(kLightAt);
  light->resize(115, 110);
  light->SetCaptions("Steady", "Unsteady", "Watch out");
  light->SetLight(2);
  auto* lamps = new TMissedLcd(&page);
  lamps->move(530, 140);
  lamps->SetPictures(LampPicture(false), LampPicture(true));
  lamps->SetCount(5);
  lamps->SetValue(3);
  page.show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&page));
  test::Flush();
  QImage image(page.size(), QImage::Format_ARGB32);
  image.fill(Qt::white);
  page.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);

  // Below: the keypad with a hidden key lit, and the new-keys drill's key
  // pictures (plain, lit, crossed out, Enter).
  TKeyDataExt pad;
  EXPECT_EQ(pad.LoadFromFile(SourceRoot() + "/data/numpad.kbd"), 1);
  TKeyboard padBoard(nullptr, &pad);
  padBoard.SetAllLearned();
  padBoard.ShowKeys("5", "");
  const QImage padImage = test::RenderOnWhite(padBoard);
  QImage sheet(image.width(), image.height() + padImage.height() + 20, QImage::Format_ARGB32);
  sheet.fill(Qt::white);
  QPainter p(&sheet);
  p.drawImage(0, 0, image);
  p.drawImage(10, image.height() + 10, padImage);
  const int y = image.height() + 10;
  p.fillRect(QRect(530, y, 120, 128), QColor(0xC0, 0xDC, 0xC0));
  for (int state = 0; state < 3; ++state)
    p.drawPixmap(536 + state * 38, y + 6, keyboard->KeyImage("y", 34, state, 32));
  p.drawPixmap(536, y + 50, keyboard->KeyImage("Enter", 34, 1, 90));
  p.end();
  return sheet;
}

TEST(KeyboardPictureTest, DrillPageWithShippedAndDrawnPictures) {
  test::FakeHost host;
  host.Install();
  test::TempDir noArt;
  SetErrorLogPath(noArt / "Errors.log");
  TKeyDataExt layout;
  ASSERT_EQ(layout.LoadFromFile(SourceRoot() + "/data/qwerty.kbd"), 1);
  ASSERT_NE(layout.LeftModifiers[1], nullptr);

  struct Look {
    std::string artwork;
    const char* file;
  };
  const Look looks[] = {{SourceRoot() + "/data", "keyboard_widget.png"},
                        {noArt.path(), "keyboard_widget_drawn.png"}};
  for (const Look& look : looks) {
    SCOPED_TRACE(look.file);
    SetArtworkDirectory(QString::fromStdString(look.artwork));
    const QImage sheet = DrillPage(layout);
    // Every key that is not hidden has its black outline at its place,
    // the pressed h one pixel to the right.
    for (const auto& key : layout.Keys) {
      if (key->Hidden) continue;
      const int shift = key->Pressed ? 1 : 0;
      EXPECT_PIXEL(sheet, kKeyboardAt.x() + key->X + shift,
                   kKeyboardAt.y() + key->Y + key->Height / 2, 0x000000)
          << " key on line " << key->Line;
    }
    for (const TKeyInfoExt* key : {layout.FindKey("j"), layout.LeftModifiers[1]})
      EXPECT_PIXEL(sheet, kKeyboardAt.x() + key->X + key->Width - 9,
                   kKeyboardAt.y() + key->Y + key->Height / 2, kLitFaceColor);
    const QPoint yellow = kLightAt + TTrafficLightLcd::LampRect(2).center();
    EXPECT_PIXEL(sheet, yellow.x(), yellow.y(), kYellowLampColor);
    test::SaveScreenshot(sheet, QString::fromLatin1(look.file));
  }
  SetArtworkDirectory({});
  SetErrorLogPath("Errors.log");
}

}  // namespace
}  // namespace tq
