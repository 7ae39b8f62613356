#pragma once
// TTopTenView: the left page a game ends on. It shows the first ten places
// of the game's table and, when the new score reached them, a name box on
// the new row where the player types the name the score stands under. The
// name is taken with Enter or when the page is left ("Anonymous" for an
// empty box), and only then is the table written.

#include <array>
#include <cstdint>
#include <string>

#include "core/records/top_ten.h"
#include "gui/shell/form_view.h"

class QLineEdit;

namespace tq {

class TLabel;
class TPanel;

class TTopTenView : public TFormView {
 public:
  static constexpr int kRows = 10;

  TTopTenView();
  ~TTopTenView() override;

  // Opens the named table (making it with ten default places when it does
  // not exist yet), enters the score and fills the rows.
  void AddScore(const std::string& tableName, const std::string& playerName, int32_t points);
  // Takes the typed name into the table and saves it.
  void CommitName();
  bool EnteringName() const { return nameEntry_; }

  void ShowPage() override;
  void KeyDown(int& key, ShiftState shift) override;
  void HidePage() override;

  TtopTen TopTen;
  int NewRank = 0;

  TPanel* Panel = nullptr;
  TLabel* Title = nullptr;
  std::array<TLabel*, kRows> NameLabels{};
  std::array<TLabel*, kRows> PointsLabels{};
  std::array<TLabel*, kRows> DateLabels{};
  TLabel* Congratulations = nullptr;
  QLineEdit* NameBox = nullptr;

 private:
  void MakeControls();
  void ShowLines();

  bool nameEntry_ = false;
};

// The one top-ten page of the run.
TTopTenView& TopTenView();

}  // namespace tq
