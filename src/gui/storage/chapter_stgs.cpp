#include "gui/storage/chapter_stgs.h"

namespace tq {

TChapterStgs::TChapterStgs() : TStorageForm("ChapterStgs") {
  Panel1 = AddPanel("Panel1", kPageWidth, kPageHeight);
  Panel3 = AddPanel("Panel3", kPageWidth, kPageHeight);
  Panel4 = AddPanel("Panel4", kPageWidth, kPageHeight);
}

}  // namespace tq
