#pragma once
// TViewCanvas: the model text of a typing exercise (and the previews of the
// course and story pages), laid out page by page with a cursor on the current
// word or character. Typed words turn grey (mode 1) or disappear (character
// mode); the display pages forward only and reports how far the student has
// come. The GUI's view widget paints it.

#include <string>
#include <string_view>

#include "core/exercises/exercise_canvas.h"

namespace tq {

class TViewCanvas : public TExerciseCanvas {
 public:
  // Cursor modes.
  static constexpr int kCharacterMode = 0;
  static constexpr int kWordMode = 1;
  static constexpr int kWordModeOnce = 2;  // cursor at the start or on request
  static constexpr int kNoCursor = 3;

  explicit TViewCanvas(const FontMetrics& metrics);

  void SetText(std::string_view text, int start);
  void SetCursorMode(int mode);
  void FormatText() override;
  void Advance();
  void NextPage();
  void ShowCursorOnce();
  int GetProgress() const;

  int CursorMode() const { return cursorMode_; }
  int Position() const { return position_; }
  // Offset of the first word of the line the student is on; a story resumes there.
  int LinePosition() const { return linePosition_; }
  int PageStart() const { return pageStart_; }
  int NextPageStart() const { return nextPageStart_; }
  // Whether words follow the page shown.
  bool HasNextPage() const;
  bool CursorPending() const { return cursorPending_; }
  const std::string& Text() const { return text_; }

 private:
  bool LineHasWords() const { return !Words.empty() && Words.back().Line == PenLine; }

  int cursorMode_ = kWordMode;
  int position_ = 0;
  int linePosition_ = 0;
  std::string text_;
  int pageStart_ = 0;
  int nextPageStart_ = 0;
  bool cursorPending_ = false;
};

}  // namespace tq
