#pragma once
// TTopTenView: the left page a game ends on. It shows the first ten places
// of the game's table and, when the new score reached them, a name box on
// the new row where the player types the name the score stands under. The
// name is taken with Enter or when the page is left ("Anonymous" for an
// empty box), and only then is the table written.

#include <QPointer>
#include <array>
#include <cstdint>
#include <string>

#include "core/records/top_ten.h"
#include "gui/shell/form_view.h"
#include "gui/widgets/controls.h"

class QLineEdit;

namespace tq {

class TLabel;

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
  // While the name is typed the keys go into the name box, not to the
  // exercise list beside it (whose digits and arrows would act).
  void KeyPress(char& key) override;
  void KeyDown(int& key, ShiftState shift) override;
  void HidePage() override;

  TtopTen TopTen;
  int NewRank = 0;

  // The controls live on it; they are made again when it went (the storage
  // forms are made afresh in a new run of the program in the same process).
  QPointer<TPanel> Panel;
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
