#include "gui/shell/main_controller.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QStringList>

#include "core/course/learned_keys.h"
#include "core/exercises/key_data_ext.h"
#include "core/files/ansi.h"
#include "core/files/data_file.h"
#include "core/files/paths.h"
#include "core/records/difficult_keys.h"
#include "core/records/sign_in.h"
#include "core/records/sign_in_marker.h"
#include "core/records/user.h"
#include "core/shell/errors.h"
#include "core/shell/host.h"
#include "core/shell/program_settings.h"
#include "core/shell/strings.h"
#include "gui/course/chapter_views.h"
#include "gui/course/study_pages.h"
#include "gui/pages/about_view.h"
#include "gui/pages/options_view.h"
#include "gui/pages/sign_in_views.h"
#include "gui/pages/titled_page.h"
#include "gui/records/statistics_view.h"
#include "gui/review/revision_view.h"
#include "gui/shell/book_form.h"
#include "gui/shell/form_view.h"
#include "gui/shell/navigate.h"
#include "gui/shell/qt_text.h"
#include "gui/shell/sounds.h"
#include "gui/shell/startup_trace.h"
#include "gui/storage/storage_forms.h"

namespace tq {
namespace {

// The screen width at or below which the book does not fit.
constexpr int kSmallScreenWidth = 640;
const QColor kSilver(192, 192, 192);

struct TabEntry {
  const char* image;
  const char* label;
  bool large;
};

constexpr TabEntry kTabs[] = {
    {kMenuGuided, "TitleGuided", true},    {kMenuRevision, "TitleRevision", true},
    {kMenuInfo, "TitleInfo", true},        {kMenuLogo, "TitleLogo", false},
    {kMenuOptions, "TitleOptions", false}, {kMenuExit, "TitleExit", false},
};

struct MainState {
  std::string currentMenu;
  std::string shownMenu;
  bool quitRequested = false;
  QPointer<TImage> activeTabImage;
  QPointer<TLabel> activeTabTitle;
  bool activeTabLarge = false;
  TNavigate* navigate = nullptr;
};

MainState& State() {
  static MainState state;
  return state;
}

const TabEntry* FindTab(const QString& senderName) {
  for (const TabEntry& t : kTabs)
    if (senderName == QLatin1String(t.image) || senderName == QLatin1String(t.label)) return &t;
  return nullptr;
}

void ClickTab(const char* image) {
  TMain::TabClick(BookForm()->findChild<TImage*>(QString::fromLatin1(image)));
}

// The Studying tab: guided studying with the lesson pages.
void RunStudyingTab() {
  RunGuidedStudying();
}

void SmallScreenCheck() {
  if (GetHost().ScreenWidth() > kSmallScreenWidth) return;
  Host& host = GetHost();
  if (host.AskYesNo(Str(kStrProgramTitle), Str(kStrSmallScreen)))
    host.ShowMessage(MessageKind::Information, Str(kStrProgramTitle), Str(kStrSmallScreenHelp));
  Settings().SmallScreen = true;
  TBookForm* book = BookForm();
  book->setWindowFlag(Qt::FramelessWindowHint, true);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    book->setGeometry(screen->availableGeometry());
  book->setWindowState(Qt::WindowMaximized);
  book->show();
}

// The sign-in pages of the cover.
class CoverPages : public SignInPages {
 public:
  int ShowCover(std::string& name) override {
    const int outcome = cover_.Execute();
    name = cover_.UserName;
    return outcome == TCoverView::kVisitor ? kCoverVisitor
           : outcome == TCoverView::kName  ? kCoverName
                                           : kCoverClosed;
  }
  void RefuseName(const std::string& characters) override {
    // Each character with its code as well: the font may not show it.
    QStringList named;
    for (char32_t c : QString::fromStdString(characters).toUcs4())
      named << QStringLiteral("%1 (U+%2)")
                   .arg(
                       QString::fromUcs4(&c, 1),
                       QString::number(static_cast<uint>(c), 16).rightJustified(4, u'0').toUpper());
    QString text = ToQString(Str(kStrNameUnstorable));
    text.replace(QStringLiteral("%s"), named.join(QStringLiteral(", ")));
    QMessageBox box(QMessageBox::Warning, ToQString(Str(kStrWarning)), text, QMessageBox::Ok,
                    BookForm());
    box.exec();
  }
  int AskNewUser(const std::string& name) override {
    newUser_.UserName = name;
    const int answer = newUser_.Execute();
    return answer == TNewUserView::kCreate ? kNewUserCreate
           : answer == TNewUserView::kBack ? kNewUserBack
                                           : kNewUserClosed;
  }

 private:
  TCoverView cover_;
  TNewUserView newUser_;
};

// All relative file names (sounds, pictures, the user base template, the
// data files) are relative to the program directory. A translation there
// replaces the built-in English texts before anything is read or shown.
void ReadProgramDirectory(const StartOptions& options) {
  if (!options.programDir.empty()) QDir::setCurrent(QString::fromStdString(options.programDir));
  ResetStringTable();
  if (FileExists(kTranslationFile)) LoadTranslation(kTranslationFile);
  Settings() = TProgramSettings{};
  if (options.readOnlyProgram) Settings().SetReadOnlyProgram();
  Settings().Create(SettingsPaths{".\\", options.windowsDir});
  // A program that cannot write its own folder logs into its data folder.
  if (options.readOnlyProgram) SetErrorLogPath(Settings().DataPath + "Errors.log");
  Settings().Load();
}

// The window is up before the storage forms and the pictures are made and
// read: they are not needed before the cover shows.
void ShowFirstWindow() {
  TBookForm* book = BookForm();
  book->setWindowState(Settings().MaximizedBook ? Qt::WindowMaximized : Qt::WindowNoState);
  book->SetLayout(3);
  book->LoadLabel->show();
  book->show();
  QCoreApplication::processEvents();
  StartupMark("first window");
  CreateStorageForms();
  book->LoadArtwork(QDir::currentPath());
  book->CreateCoverControls();
  if (FileExists("Book.pic")) book->CoverPic->LoadFromFile(QStringLiteral("Book.pic"));
}

void PrepareBook() {
  TBookForm* book = BookForm();
  book->BackGround32->show();
  book->setWindowTitle(ToQString(Str(kStrProgramTitle)));
  book->OnCloseQuery = TMain::BookCloseQuery;
  book->OnResize = [book] {
    // Only a maximised window records the book as enlarged.
    Settings().MaximizedBook = book->Enlarged();
  };
  if (Settings().DisableSettingsPage) {
    book->HideSettings->show();
    book->HideSettings->raise();
    book->TitleOptions->hide();
  }
}

void OpenSounds() {
  OpenSound(kSoundClick, QStringLiteral("Click.wav"));
  OpenSound(kSoundTheEnd, QStringLiteral("Theend.wav"));
  OpenSound(kSoundError, QStringLiteral("Error.wav"));
  OpenSound(kSoundError2, QStringLiteral("Error2.wav"));
}

// The cover with the theme tune; false when the keyboard file is missing.
bool ShowCover() {
  TBookForm* book = BookForm();
  book->SetLayout(0);
  book->LoadLabel->show();
  if (Settings().PlayTheme) {
    OpenSound(kSoundIntro, QStringLiteral("Intro.wav"));
    PlaySound(kSoundIntro);
  }
  const std::string keyboardFile = Settings().KeyboardFile("qwerty.kbd");
  if (KeyData().LoadFromFile(keyboardFile) != kFileGood) {
    ReportError(kErrorMain, keyboardFile + Str(kStrKeyboardNotFound));
    return false;
  }
  if (!Settings().ReadOnly() && !FileExists(TUser::UserbasePath())) {
    // The template stays in a program folder that must not be written.
    const bool made = Settings().ReadOnlyProgram()
                          ? CopyFileTo("UserBase.org", TUser::UserbasePath())
                          : MoveFileTo("UserBase.org", TUser::UserbasePath());
    if (!made) ReportError(kErrorRenameUserbase, NativePath(TUser::UserbasePath()));
  }
  return true;
}

// The signed-in student's session begins: sounds, the welcome of a visitor,
// the last student's name, the results page's reference values, the
// course and the keys the ranking of difficult keys is limited to.
void BeginSession(TUser& user) {
  TBookForm* book = BookForm();
  SetSoundsEnabled(user.Sounds > 0);
  if (user.IsVisitor())
    GetHost().ShowMessage(MessageKind::Information, Str(kStrProgramTitle), Str(kStrVisitorWelcome));
  CloseSound(kSoundIntro);
  book->LoadLabel->show();
  book->repaint();
  if (!user.IsVisitor()) Settings().LastUser = user.Name;
  ExercInfoView().BeginStudent(user);
  if (user.GetContents().empty()) user.SetContents(Settings().DefaultContents);
  LoadLearnedKeys(user);
}

// The open book with its tabs, the navigation bar on a small screen.
void OpenBook() {
  TBookForm* book = BookForm();
  MainState& st = State();
  book->SetLayout(2);
  book->CoverPic->ClearPicture();
  if (Settings().SmallScreen && st.navigate) {
    const QRect g = book->geometry();
    st.navigate->move(g.left(), g.top() + g.height() - st.navigate->height());
    st.navigate->show();
    book->activateWindow();
    book->setFocus();
  }
  for (const TabEntry& t : kTabs) {
    book->findChild<TImage*>(QString::fromLatin1(t.image))->OnClick = TMain::TabClick;
    book->findChild<TLabel*>(QString::fromLatin1(t.label))->OnClick = TMain::TabClick;
  }
  book->OnNextTab = TMain::NextTab;
  book->OnPreviousTab = TMain::PreviousTab;
  book->OnStudyingTab = TMain::GoToStudying;
}

}  // namespace

const std::string& TMain::CurrentMenu() {
  return State().currentMenu;
}
const std::string& TMain::ShownMenu() {
  return State().shownMenu;
}
bool TMain::QuitRequested() {
  return State().quitRequested;
}
void TMain::SetNavigate(TNavigate* navigate) {
  State().navigate = navigate;
}

void TMain::Reset() {
  TNavigate* navigate = State().navigate;
  State() = MainState{};
  State().navigate = navigate;
  ResetApplicationTerminated();
}

int TMain::Run(const StartOptions& options) {
  if (!StartUp(options)) return kFatal;
  ShutDown();
  return ApplicationHalted() ? kFatal : kEnded;
}

bool TMain::StartUp(const StartOptions& options) {
  Reset();
  ReadProgramDirectory(options);
  ShowFirstWindow();
  SmallScreenCheck();
  PrepareBook();
  State().quitRequested = false;
  OpenSounds();
  if (!ShowCover()) return false;
  // A converted user base asks the program to end.
  SetQuitHandler([] {
    State().quitRequested = true;
    TerminateApplication();
  });
  SetCurrentUser(nullptr);
  BookForm()->LoadLabel->hide();

  StartupMarkOnPaint(BookForm()->NameField, "cover page");
  CoverPages pages;
  std::unique_ptr<TUser> signedIn = SignIn(pages, Settings().AutoLogon);
  if (!signedIn) return true;
  SetCurrentUser(std::move(signedIn));
  BeginSession(CurrentUser());
  OpenBook();
  ClickTab(kMenuGuided);
  MainLoop();
  return true;
}

void TMain::MainLoop() {
  MainState& st = State();
  for (;;) {
    if (st.currentMenu != kMenuExit) {
      st.shownMenu = st.currentMenu;
      const std::string& menu = st.shownMenu;
      if (menu == kMenuGuided)
        RunStudyingTab();
      else if (menu == kMenuRevision)
        TRevision().Run();
      else if (menu == kMenuInfo)
        RunStatistics();
      else if (menu == kMenuOptions)
        RunOptions();
      else if (menu == kMenuLogo)
        RunAbout();
      else
        break;
    }
    // A window that closed some other way ends the loop too, instead of
    // running pages that end at once.
    if (st.quitRequested || ApplicationTerminated()) break;
  }
}

void TMain::TabClick(QWidget* sender) {
  MainState& st = State();
  TBookForm* book = BookForm();
  if (!sender || !book) return;
  if (!st.currentMenu.empty()) PlaySound(kSoundClick);
  const QString name = sender->objectName();
  if (name == QLatin1String(kMenuExit) || name == QLatin1String("TitleExit")) {
    book->close();
    if (!st.quitRequested) return;
  }
  if (QueryCloseCurrentView()) return;

  if (st.activeTabImage) st.activeTabImage->show();
  if (st.activeTabTitle) {
    SetControlCursor(st.activeTabTitle, kCursorHand);
    // Every tab that is not shown has a white caption, readable on the
    // muted tab behind it; the shown tab's caption is silver.
    st.activeTabTitle->SetFontColor(Qt::white);
  }
  if (const TabEntry* tab = FindTab(name)) {
    st.activeTabImage = book->findChild<TImage*>(QString::fromLatin1(tab->image));
    st.activeTabTitle = book->findChild<TLabel*>(QString::fromLatin1(tab->label));
    st.activeTabImage->hide();
    SetControlCursor(st.activeTabTitle, kCursorDefault);
    st.activeTabTitle->SetFontColor(kSilver);
  }
  if (st.activeTabImage) st.currentMenu = st.activeTabImage->objectName().toStdString();
}

void TMain::NextTab() {
  const std::string& shown = State().shownMenu;
  const bool noSettings = Settings().DisableSettingsPage;
  if (shown == kMenuGuided)
    ClickTab(kMenuRevision);
  else if (shown == kMenuRevision)
    ClickTab(kMenuInfo);
  else if (shown == kMenuInfo)
    ClickTab(kMenuLogo);
  else if (shown == kMenuLogo)
    ClickTab(noSettings ? kMenuGuided : kMenuOptions);
  else if (shown == kMenuOptions)
    ClickTab(kMenuGuided);
}

void TMain::PreviousTab() {
  const std::string& shown = State().shownMenu;
  const bool noSettings = Settings().DisableSettingsPage;
  if (shown == kMenuGuided)
    ClickTab(noSettings ? kMenuLogo : kMenuOptions);
  else if (shown == kMenuRevision)
    ClickTab(kMenuGuided);
  else if (shown == kMenuInfo)
    ClickTab(kMenuRevision);
  else if (shown == kMenuLogo)
    ClickTab(kMenuInfo);
  else if (shown == kMenuOptions)
    ClickTab(kMenuLogo);
}

void TMain::GoToStudying() {
  ClickTab(kMenuGuided);
}

void TMain::BookCloseQuery(QWidget*, bool& canClose) {
  if (QueryCloseCurrentView())
    canClose = false;
  else
    State().quitRequested = true;
}

void TMain::ShutDown() {
  for (int slot = kSoundClick; slot <= kSoundError2; ++slot) CloseSound(slot);
  // A fatal stop ends without writing the settings.
  if (!ApplicationHalted()) Settings().Save();
  // The student is no longer signed in here.
  RemoveMarker(CurrentUser().Name);
}

}  // namespace tq
