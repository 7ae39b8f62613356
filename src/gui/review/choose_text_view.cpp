#include "gui/review/choose_text_view.h"

#include <QPainter>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <algorithm>

#include "core/exercises/event_text.h"
#include "core/exercises/view_canvas.h"
#include "core/files/ansi.h"
#include "core/shell/host.h"
#include "core/shell/strings.h"
#include "gui/exercises/event_views.h"
#include "gui/exercises/view_canvas_widget.h"
#include "gui/shell/book_form.h"
#include "gui/shell/qt_text.h"
#include "gui/shell/sounds.h"
#include "gui/storage/event_view_stg.h"
#include "gui/storage/storage_forms.h"

namespace tq {
namespace {

const QColor kInk(60, 44, 32);
const QColor kGrey(110, 110, 110);
const QColor kSelected(128, 0, 0);

// The two columns of an entry: the first at x 3, the second at x 105,
// both centred in the row; the selected entry white on dark red.
class StoryDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(option.rect, selected ? kSelected : QColor(Qt::white));
    painter->setPen(selected ? QColor(Qt::white) : QColor(Qt::black));
    painter->setFont(option.font);
    const QString text = index.data().toString();
    const int split = text.indexOf(QLatin1Char(';'));
    const QString first = split < 0 ? text : text.left(split);
    const QString second = split < 0 ? QString() : text.mid(split + 1);
    const int height = QFontMetrics(option.font).height();
    const int y = option.rect.top() + (option.rect.height() - height) / 2;
    // A long author is cut short with an ellipsis rather than run into the title.
    const QString shown = QFontMetrics(option.font).elidedText(first, Qt::ElideRight, 98);
    painter->drawText(QRect(option.rect.left() + 3, y, 100, height), Qt::AlignLeft, shown);
    // So is a title longer than the row.
    const int titleWidth = option.rect.width() - 108;
    painter->drawText(
        QRect(option.rect.left() + 105, y, titleWidth, height), Qt::AlignLeft,
        QFontMetrics(option.font).elidedText(second, Qt::ElideRight, std::max(titleWidth, 0)));
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize s = QStyledItemDelegate::sizeHint(option, index);
    s.setHeight(QFontMetrics(option.font).height() + 4);
    return s;
  }
};

// The page's controls on the storage form's two panels, made on first use.
struct StoryControls {
  TLabel* StoryTitle;
  TLabel* ContinueLabel;
  QRadioButton* Continue;
  QRadioButton* NewStory;
  QListWidget* TextList;
  TLabel* PreviewTitle;
  TLabel* PreviewTip;
  TLabel* Copyright;
};

StoryControls& Controls() {
  static StoryControls c = [] {
    TEventViewStg& stg = *StorageForms().EventViewStg;
    StoryControls k{};
    k.StoryTitle = MakeLabel(stg.Page1, "StoryTitle", QPoint(20, 58), PixelFont("Arial", 18, true),
                             kInk, kStrStoryNew);
    k.Continue = MakeRadio(stg.Page1, "Continue", QRect(20, 88, 290, 24), kStrStoryContinue);
    k.ContinueLabel = MakeLabel(stg.Page1, "ContinueLabel", QRect(42, 112, 290, 20),
                                PixelFont("Arial", 13), kGrey, Qt::AlignLeft);
    k.NewStory = MakeRadio(stg.Page1, "NewStory", QRect(20, 136, 290, 24), kStrStoryChooseNew);
    k.TextList = new QListWidget(stg.Page1);
    k.TextList->setObjectName(QStringLiteral("TextList"));
    k.TextList->setGeometry(20, 166, 300, 240);
    k.TextList->setFont(PixelFont("Arial", 13));
    k.TextList->setItemDelegate(new StoryDelegate(k.TextList));
    k.TextList->setUniformItemSizes(true);
    k.PreviewTitle =
        MakeLabel(stg.Page2, "PreviewTitle", QRect(0, 20, 338, 24), PixelFont("Arial", 15, true),
                  kInk, Qt::AlignHCenter, kStrStoryPreviewTitle);
    k.PreviewTip =
        MakeLabel(stg.Page2, "PreviewTip", QRect(25, 60, 290, 40), PixelFont("Arial", 13), kGrey,
                  Qt::AlignLeft | Qt::TextWordWrap, kStrStoryPreviewTip);
    k.Copyright = MakeLabel(stg.Page2, "Copyright", QRect(25, 236, 300, 40), PixelFont("Arial", 11),
                            kGrey, Qt::AlignLeft | Qt::TextWordWrap);
    return k;
  }();
  return c;
}

bool IsAltLetter(int key, ShiftState shift, int text) {
  const std::string& s = Str(text);
  return shift == kSsAlt && !s.empty() && key == AnsiUpperCase(s.substr(0, 1))[0];
}

}  // namespace

TChooseTextView::TChooseTextView() = default;
TChooseTextView::~TChooseTextView() {
  delete Preview;
}

int TChooseTextView::BuildTextList(const std::string& mask, const std::string& userFolder) {
  StoryControls& c = Controls();
  const StoryList list = BuildStoryList(mask, userFolder);
  FileNames.clear();
  c.TextList->clear();
  c.Copyright->SetCaption(QString());
  QStringList items;
  for (const StoryEntry& e : list.Entries) {
    FileNames.push_back(e.FileName);
    items << ToQString(e.Text);
  }
  c.TextList->addItems(items);
  if (!FileNames.empty()) FileName = FileNames.front();
  return list.Status;
}

void TChooseTextView::ShowPage() {
  TFormView::ShowPage();
  TBookForm* book = BookForm();
  TEventViewStg& stg = *StorageForms().EventViewStg;
  StoryControls& c = Controls();
  book->Title->SetCaption(ToQString(Str(kStrStoryTyping)));
  c.ContinueLabel->SetCaption(ToQString(StoryCaption(CurrentStory)));

  BorrowChildren(stg.Page1, book->LeftPage);
  BorrowChildren(stg.Page2, book->RightPage);
  book->SetLayout(2);
  if (!Preview) {
    Preview = new ViewCanvasWidget(book->RightPage);
    Preview->setObjectName(QStringLiteral("Preview"));
    Preview->setFont(PointFont("Arial", 10));
    Preview->SetFontColor(0x808080);
    Preview->Canvas().SetCursorMode(TViewCanvas::kNoCursor);
  }
  Preview->setParent(book->RightPage);
  Preview->setGeometry(25, 55, 300, 170);
  Preview->hide();
  c.PreviewTip->show();

  book->OnKeyDown = [this](int& key, ShiftState shift) { KeyDown(key, shift); };
  book->SetButtons(TBookForm::kBtnNext | TBookForm::kBtnBack);
  book->Next->OnClick = [this](QWidget* sender) { ButtonClick(sender->objectName()); };
  book->Back->OnClick = [this](QWidget* sender) { ButtonClick(sender->objectName()); };
  connections_.Add(QObject::connect(c.NewStory, &QRadioButton::clicked,
                                    [this] { ButtonClick(QStringLiteral("NewStory")); }));
  connections_.Add(
      QObject::connect(c.TextList, &QListWidget::itemClicked, [this] { TextSelected(); }));
  connections_.Add(QObject::connect(c.TextList, &QListWidget::currentRowChanged, [this, &c] {
    if (c.TextList->hasFocus()) TextSelected();
  }));

  if (!CurrentStory.empty()) {
    c.Continue->setEnabled(true);
    c.Continue->setChecked(true);
    c.TextList->setCurrentRow(-1);
    c.TextList->clearSelection();
  } else {
    c.Continue->setEnabled(false);
    c.NewStory->setChecked(true);
    c.ContinueLabel->SetCaption(ToQString(Str(kStrStoryNoneStarted)));
    c.TextList->setCurrentRow(c.TextList->count() > 0 ? 0 : -1);
  }
  (c.Continue->isChecked() ? static_cast<QWidget*>(c.Continue) : c.NewStory)->setFocus();
}

void TChooseTextView::HidePage() {
  TBookForm* book = BookForm();
  connections_.Clear();
  book->OnKeyDown = nullptr;
  book->Next->OnClick = nullptr;
  book->Back->OnClick = nullptr;
  if (Preview) Preview->hide();
  TFormView::HidePage();
  book->SetButtons(0);
}

void TChooseTextView::KeyDown(int& key, ShiftState shift) {
  TFormView::KeyDown(key, shift);
  if (shift == 0 && key == kVkEscape) {
    key = 0;
    ButtonClick(QStringLiteral("Back"));
  } else if (shift == 0 && key == kVkReturn) {
    key = 0;
    ButtonClick(QStringLiteral("Next"));
  } else if (IsAltLetter(key, shift, kStrAltBackPage)) {
    key = 0;
    ButtonClick(QStringLiteral("Back"));
  } else if (IsAltLetter(key, shift, kStrAltNext)) {
    key = 0;
    ButtonClick(QStringLiteral("Next"));
  }
}

void TChooseTextView::ButtonClick(const QString& name) {
  PlaySound(kSoundClick);
  StoryControls& c = Controls();
  if (name == QLatin1String("Next")) {
    SetResult(c.NewStory->isChecked() ? kNew : kContinue);
  } else if (name == QLatin1String("Back")) {
    SetResult(kBack);
  } else if (name == QLatin1String("NewStory")) {
    if (c.TextList->currentRow() < 0 && c.TextList->count() > 0) c.TextList->setCurrentRow(0);
    TextSelected();
    c.TextList->setFocus();
  }
}

void TChooseTextView::TextSelected() {
  StoryControls& c = Controls();
  if (c.TextList->count() == 0) return;
  c.NewStory->setChecked(true);
  const int row = c.TextList->currentRow();
  if (row < 0 || row >= static_cast<int>(FileNames.size())) return;
  FileName = FileNames[static_cast<std::size_t>(row)];
  const StoryPreview preview = ReadStoryPreview(FileName);
  c.Copyright->SetCaption(ToQString(preview.Copyright));
  c.PreviewTip->hide();
  if (Preview) {
    Preview->Canvas().SetText(preview.Problem.empty() ? preview.Text : preview.Problem, 0);
    Preview->show();
    Preview->update();
  }
}

void InstallStoryPage() {
  SetStorySelector(
      [](const std::string& mask, const std::string& userFolder, const std::string& currentStory) {
        TChooseTextView page;
        page.CurrentStory = currentStory;
        page.BuildTextList(mask, userFolder);
        StorySelection chosen;
        // Without a story the page would offer nothing to choose.
        if (page.FileNames.empty()) {
          GetHost().ShowMessage(MessageKind::Warning, Str(kStrProgramTitle),
                                Str(kStrStoryNoneAvailable));
          chosen.result = TChooseTextView::kBack;
          return chosen;
        }
        chosen.result = page.Execute();
        if (chosen.result == 0) chosen.result = TChooseTextView::kBack;
        chosen.file = page.FileName;
        return chosen;
      });
}

}  // namespace tq
