#include "gui/games/top_ten_view.h"

#include <QLineEdit>

#include "core/files/data_file.h"
#include "core/shell/strings.h"
#include "gui/shell/book_form.h"
#include "gui/shell/qt_text.h"
#include "gui/storage/event_view_stg.h"
#include "gui/storage/storage_forms.h"
#include "gui/widgets/controls.h"

namespace tq {
namespace {

// Below the page title of the book.
constexpr int kTitleTop = 62;
constexpr int kFirstRowTop = 100;
constexpr int kRowHeight = 26;
constexpr int kNameLeft = 22;
constexpr int kNameWidth = 150;
constexpr int kPointsLeft = 176;
constexpr int kPointsWidth = 52;
constexpr int kDateLeft = 244;

std::vector<std::string> SplitLine(const std::string& line) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t semi = line.find(';', start);
    parts.push_back(
        line.substr(start, semi == std::string::npos ? std::string::npos : semi - start));
    if (semi == std::string::npos) break;
    start = semi + 1;
  }
  parts.resize(3);
  return parts;
}

}  // namespace

TTopTenView::TTopTenView() {
  ViewName = "TopTenView";
}

TTopTenView::~TTopTenView() = default;

void TTopTenView::MakeControls() {
  if (Panel) return;
  nameEntry_ = false;
  const TStorageForms& forms = StorageForms();
  Panel = forms.EventViewStg ? forms.EventViewStg->TopTenPanel : new TPanel(nullptr, "TopTenPanel");
  Title = MakeLabel(Panel, "TopTenTitle", QRect(0, kTitleTop, TStorageForm::kPageWidth, 30),
                    PixelFont("Arial", 20, true), QColor(0, 0, 128),
                    Qt::AlignHCenter | Qt::AlignTop, kStrTopTenTitle);
  const QFont rowFont = PixelFont("Arial", 14);
  for (int i = 0; i < kRows; ++i) {
    const int top = kFirstRowTop + i * kRowHeight;
    auto make = [&](const QString& name, int left, int width, Qt::Alignment align) {
      return MakeLabel(Panel, name.toLatin1().constData(), QRect(left, top, width, kRowHeight - 4),
                       i == 0 ? PixelFont("Arial", 14, true) : rowFont, Qt::black,
                       align | Qt::AlignVCenter);
    };
    const QString n = QString::number(i + 1);
    NameLabels[i] = make("Name" + n, kNameLeft, kNameWidth, Qt::AlignLeft);
    PointsLabels[i] = make("Points" + n, kPointsLeft, kPointsWidth, Qt::AlignRight);
    DateLabels[i] =
        make("Date" + n, kDateLeft, TStorageForm::kPageWidth - kDateLeft - 8, Qt::AlignLeft);
  }
  Congratulations =
      MakeLabel(Panel, "Congratulations",
                QRect(10, kFirstRowTop + kRows * kRowHeight + 8, TStorageForm::kPageWidth - 20, 44),
                PixelFont("Arial", 14, true), QColor(128, 0, 0),
                Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, kStrTopTenCongratulations);
  Congratulations->hide();
  NameBox = new QLineEdit(Panel);
  NameBox->setObjectName("NameBox");
  NameBox->setMaxLength(255);
  NameBox->setFont(PixelFont("Arial", 14, true));
  NameBox->hide();
}

void TTopTenView::AddScore(const std::string& tableName, const std::string& playerName,
                           int32_t points) {
  MakeControls();
  if (TopTen.LoadTable(tableName) != kFileGood) TopTen.SaveTable(10);
  NewRank = TopTen.AddScore(playerName, points);
  ShowLines();
  nameEntry_ = NewRank >= 1 && NewRank <= kRows;
  Congratulations->setVisible(nameEntry_);
  if (nameEntry_) {
    const TLabel* row = NameLabels[static_cast<std::size_t>(NewRank - 1)];
    NameBox->setGeometry(row->x() - 3, row->y() - 4, kNameWidth + 4, row->height() + 6);
    NameBox->setText(ToQString(playerName));
    NameBox->selectAll();
    NameBox->raise();
  }
  NameBox->setVisible(nameEntry_);
}

void TTopTenView::ShowLines() {
  const std::vector<std::string> lines = TopTen.GetLines(kRows);
  for (int i = 0; i < kRows; ++i) {
    const std::size_t k = static_cast<std::size_t>(i);
    std::vector<std::string> parts =
        k < lines.size() ? SplitLine(lines[k]) : std::vector<std::string>(3);
    NameLabels[k]->SetCaption(ToQString(parts[0]));
    PointsLabels[k]->SetCaption(ToQString(parts[1]));
    DateLabels[k]->SetCaption(ToQString(parts[2]));
  }
}

void TTopTenView::CommitName() {
  if (!nameEntry_ || NewRank < 1 || NewRank > kRows) return;
  nameEntry_ = false;
  std::string name = FromQString(NameBox->text().trimmed());
  if (name.size() > 255) name.resize(255);
  if (name.empty()) name = Str(kStrAnonymous);
  TopTen.SetName(NewRank, name);
  NameBox->hide();
  ShowLines();
  TopTen.SaveTable(0);
}

void TTopTenView::ShowPage() {
  TFormView::ShowPage();
  MakeControls();
  BorrowChildren(Panel, BookForm()->LeftPage);
  NameBox->setVisible(nameEntry_);
  Congratulations->setVisible(nameEntry_);
  if (nameEntry_) NameBox->setFocus();
}

void TTopTenView::KeyPress(char& key) {
  TFormView::KeyPress(key);
  const auto code = static_cast<unsigned char>(key);
  if (!nameEntry_ || code < 32 || code == 127) return;
  NameBox->insert(ToQString(std::string(1, key)));
  key = 0;
}

void TTopTenView::KeyDown(int& key, ShiftState shift) {
  TFormView::KeyDown(key, shift);
  if (!nameEntry_ || (shift != 0 && shift != kSsShift)) return;
  const bool mark = shift == kSsShift;
  switch (key) {
    case kVkReturn:
      if (shift != 0) return;
      CommitName();
      break;
    case kVkBack:
      NameBox->backspace();
      break;
    case kVkDelete:
      NameBox->del();
      break;
    case kVkLeft:
      NameBox->cursorBackward(mark);
      break;
    case kVkRight:
      NameBox->cursorForward(mark);
      break;
    case kVkHome:
      NameBox->home(mark);
      break;
    case kVkEnd:
      NameBox->end(mark);
      break;
    case kVkUp:
    case kVkDown:
    case kVkPrior:
    case kVkNext:
      break;  // the list beside stays where it is
    default:
      return;
  }
  key = 0;
}

void TTopTenView::HidePage() {
  CommitName();
  TFormView::HidePage();
}

TTopTenView& TopTenView() {
  static TTopTenView view;
  return view;
}

}  // namespace tq
