// The Statistics tab: the progress texts and gauge from the signed-in
// student, the graphs painted from the core's layout (bar colours by band,
// a graph without points), the print button and its setting, Escape, and
// the report printed to a PDF file read back with pdftotext.

#include "gui/records/statistics_view.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTest>
#include <cstdlib>
#include <functional>
#include <memory>

#include "core/exercises/key_data_ext.h"
#include "core/files/paths.h"
#include "core/pages/shift_hand_share.h"
#include "core/records/coaching_file.h"
#include "core/records/letter_pairs.h"
#include "core/records/shift_hand_file.h"
#include "core/records/user.h"
#include "core/shell/program_settings.h"
#include "gui/gui_support.h"
#include "gui/records/report_printer.h"
#include "gui/records/slow_pairs_list.h"
#include "gui/render_probe.h"
#include "gui/shell/book_form.h"
#include "gui/shell/qt_text.h"
#include "gui/storage/statistics_stg.h"
#include "gui/storage/storage_forms.h"
#include "gui/widgets/graph.h"
#include "gui/widgets/key_heat_map.h"
#include "gui/widgets/pie_gauge.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

class StatisticsPageTest : public testing::Test {
 protected:
  void SetUp() override {
    host.Install();
    ResetApplicationTerminated();
    CopyFileTo(TAPQUILL_DATA_DIR "/Beginner.cnt", dir / "Beginner.cnt");
    book = std::make_unique<TBookForm>();
    SetBookForm(book.get());
    CreateStorageForms();
    Settings() = TProgramSettings{};
    auto user = std::make_unique<TUser>("Pat", true);
    user->SetContents("Beginner.cnt");
    user->Chapter = 3;
    user->Exercise = 4;
    user->StudyMinutes = 125;
    for (int c = 1; c <= 3; ++c) {
      const auto i = static_cast<std::size_t>(c);
      user->ChapterSpeed[i] = c == 2 ? -1.0f : 100.0f * static_cast<float>(c);
      user->ChapterAccuracy[i] = 95.0f;
      user->ChapterEfficiency[i] = 40.0f + 10.0f * static_cast<float>(c);
    }
    // 'f' scores 80, 'j' 40.
    TDifficultKeys& k = user->DifficultKeys();
    k.TotalCount['f'] = k.TotalCount['j'] = 100;
    k.WeightedHits['f'] = k.WeightedHits['j'] = 40;
    k.WeightedErrors['f'] = 8;
    k.WeightedErrors['j'] = 4;
    SetCurrentUser(std::move(user));
  }
  void TearDown() override {
    SetPrintDialogHook(nullptr);
    SetCurrentUser(nullptr);
    DestroyStorageForms();
    SetBookForm(nullptr);
    book.reset();
    ResetApplicationTerminated();
  }

  // Runs the page; `look` sees it open, then it is closed as a tab switch
  // closes it.
  void Run(const std::function<void(TStatisticsStg&)>& look) {
    test::ScopedCurrentDir cwd(dir.path());
    TStatisticsView view;
    test::PageScript script;
    script.When([&] { return view.InLoop(); },
                [&] {
                  look(*StorageForms().StatisticsStg);
                  if (view.Active()) QueryCloseCurrentView();
                });
    view.Execute();
    EXPECT_TRUE(script.Done());
  }

  test::FakeHost host;
  test::TempDir dir;
  std::unique_ptr<TBookForm> book;
};

QImage Render(QWidget* w) {
  QImage image(w->size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  w->render(&image);
  return image;
}

TEST_F(StatisticsPageTest, ShowsProgressGraphsAndGivesTheControlsBack) {
  Settings().MeasuringUnitWpm = true;
  TStatisticsStg& stg = *StorageForms().StatisticsStg;
  Run([&](TStatisticsStg& s) {
    EXPECT_EQ(book->Title->Caption(), QStringLiteral("Statistics"));
    EXPECT_EQ(s.Panel1->parentWidget(), book->LeftPage);
    EXPECT_EQ(s.Panel2->parentWidget(), book->RightPage);
    EXPECT_EQ(s.PrintBtn->parentWidget(), book->TitleConsole);
    // On the title rule, between the title and the quill.
    EXPECT_LE(s.PrintBtn->geometry().right(), book->Title->x() + TBookForm::kTitleRoom);
    EXPECT_GT(s.PrintBtn->x(), book->Title->geometry().right());
    EXPECT_TRUE(s.PrintBtn->isEnabled());
    // Beginner.cnt has lessons enough that lesson 3, exercise 4 is under half.
    const int percent = CurrentUser().GetProgress();
    EXPECT_GT(percent, 0);
    EXPECT_EQ(s.Completed->Caption(), QString::number(percent) + QStringLiteral(" % completed"));
    EXPECT_EQ(s.ProgressGauge->Progress(), percent);
    EXPECT_EQ(s.TimeUsed->Caption(), QStringLiteral("2 h 5 min. used"));
    EXPECT_TRUE(s.TimeLeft->Caption().endsWith(QStringLiteral(" left")));
    EXPECT_EQ(s.UnitLbl->Caption(), QStringLiteral("[wpm]"));
    EXPECT_EQ(s.KeysGraph->Plot().Labels[0], "f");
    EXPECT_EQ(s.KeysGraph->Plot().Values.size(), 8u);
    EXPECT_EQ(s.SpeedGraph->Plot().Values, (std::vector<double>{20, -1, 60}));
    EXPECT_EQ(s.EfficiencyGraph->Plot().Values, (std::vector<double>{50, 60, 70}));
  });
  EXPECT_NE(stg.Panel1->parentWidget(), book->LeftPage);
  EXPECT_NE(stg.PrintBtn->parentWidget(), book->TitleConsole);
}

// The share of capitals typed with the right Shift, from the student's
// coaching file, over the efficiency graph while the page is shown.
TEST_F(StatisticsPageTest, ShiftHandSharesLieOverTheEfficiencyGraph) {
  Settings().DataPath = dir.path();
  ASSERT_TRUE(AddShiftHandLesson(CoachingFilePath("Pat"), 1, 10, 5));
  ASSERT_TRUE(AddShiftHandLesson(CoachingFilePath("Pat"), 3, 10, 10));
  TStatisticsStg& stg = *StorageForms().StatisticsStg;
  Run([&](TStatisticsStg& s) {
    const QImage image = test::RenderOnWhite(*s.EfficiencyGraph);
    const std::vector<ShiftHandPoint> points =
        ShiftHandPoints(s.EfficiencyGraph->Plot(), ReadShiftHandLessons(CoachingFilePath("Pat")));
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].percent, 50);
    EXPECT_EQ(points[1].lesson, 3);
    for (const ShiftHandPoint& pt : points)
      EXPECT_EQ(image.pixelColor(pt.at.x, pt.at.y), QColor(230, 120, 0)) << pt.lesson;
  });
  EXPECT_EQ(stg.EfficiencyGraph->findChildren<QWidget*>().size(), 0);
}

TEST_F(StatisticsPageTest, DisablePrintReportDisablesTheButton) {
  Settings().DisablePrintReport = true;
  bool asked = false;
  SetPrintDialogHook([&](QPrinter&) { return asked = true; });
  Run([&](TStatisticsStg& s) {
    EXPECT_FALSE(s.PrintBtn->isEnabled());
    QTest::mouseClick(s.PrintBtn, Qt::LeftButton);
  });
  EXPECT_FALSE(asked);
}

TEST_F(StatisticsPageTest, EscapeGoesToTheStudyingTab) {
  int studying = 0;
  book->OnStudyingTab = [&] { ++studying; };
  Run([&](TStatisticsStg&) {
    int key = kVkEscape;
    book->OnKeyDown(key, 0);
    EXPECT_EQ(key, 0);
  });
  EXPECT_EQ(studying, 1);
}

TEST_F(StatisticsPageTest, BarsArePaintedInTheirBandColour) {
  TGraph graph(nullptr);
  graph.resize(310, 180);
  graph.PlotBrush = QBrush(QColor(192, 220, 192));
  graph.BarBrush = QBrush(Qt::yellow);
  graph.SetMode(GraphPlot::kBarMode);
  graph.AddBand("Problematic", QColor(128, 0, 0), 100);
  graph.AddBand("Difficult", QColor(0, 128, 128), 80);
  graph.AddBand("Good", QColor(0, 0, 128), 50);
  graph.AddValue("a", 85);
  graph.AddValue("b", 60);
  graph.AddValue("c", 20);
  QImage image = Render(&graph);
  const GraphPlot& p = graph.Plot();
  auto barColour = [&](int i) {
    const int x = p.XForIndex(i) + p.PointStep / 2 + 3;
    return image.pixelColor(x, p.PlotBottom - 5);
  };
  EXPECT_EQ(barColour(0), QColor(128, 0, 0));
  EXPECT_EQ(barColour(1), QColor(0, 128, 128));
  EXPECT_EQ(barColour(2), QColor(0, 0, 128));
  graph.Plot().ColorBars = false;
  image = Render(&graph);
  EXPECT_EQ(barColour(0), QColor(Qt::yellow));
}

TEST_F(StatisticsPageTest, GraphWithoutPointsPaintsOnlyPlotAxesAndBands) {
  TGraph graph(nullptr);
  graph.resize(310, 180);
  graph.PlotBrush = QBrush(QColor(192, 220, 192));
  graph.DataPen = QPen(QColor(0, 0, 255), 2);
  graph.AddBand("Good", QColor(0, 0, 128), 50);
  const QImage image = Render(&graph);
  const GraphPlot& p = graph.Plot();
  // Nothing of the data colours anywhere.
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      ASSERT_NE(image.pixelColor(x, y), QColor(0, 0, 255)) << x << "," << y;
  EXPECT_EQ(image.pixelColor(p.PlotLeft + 40, p.PlotTop + 5), QColor(192, 220, 192));
  EXPECT_EQ(image.pixelColor(p.PlotLeft, p.PlotBottom - 20), QColor(Qt::black));  // axis
  // The band line is dashed green: some pixel on it is green.
  bool green = false;
  for (int x = p.PlotLeft + 1; x < p.PlotRight; ++x)
    green |= image.pixelColor(x, p.YForValue(50)) == QColor(0, 128, 0);
  EXPECT_TRUE(green);
}

TEST_F(StatisticsPageTest, HeatMapShadesTheWeakKeys) {
  TKeyDataExt layout;
  ASSERT_EQ(layout.LoadFromFile(TAPQUILL_DATA_DIR "/qwerty.kbd"), 1);
  THeatMap map(nullptr);
  map.resize(300, 70);
  map.SetKeys(MakeHeatMap(layout, CurrentUser().DifficultKeys(), 300, 70));
  const HeatKey* f = nullptr;
  const HeatKey* a = nullptr;
  for (const HeatKey& k : map.Keys()) {
    if (k.caption == "F" || k.caption == "f") f = &k;
    if (k.caption == "A" || k.caption == "a") a = &k;
  }
  ASSERT_NE(f, nullptr);
  ASSERT_NE(a, nullptr);
  EXPECT_DOUBLE_EQ(f->errorRate, 20);
  EXPECT_LT(a->errorRate, 0);
  const QImage image = Render(&map);
  const QColor fFace = image.pixelColor(f->x + 2, f->y + 2);
  EXPECT_EQ(fFace, THeatMap::FaceColor(*f));
  EXPECT_GT(fFace.red() - fFace.green(), 100);  // clearly red
  EXPECT_EQ(image.pixelColor(a->x + 2, a->y + 2), THeatMap::FaceColor(*a));
}

TEST_F(StatisticsPageTest, PrintButtonPrintsTheReportToPdf) {
  if (std::system("command -v pdftotext >/dev/null") != 0)
    GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  const std::string pdf = dir / "report.pdf";
  int asked = 0;
  SetPrintDialogHook([&](QPrinter& printer) {
    ++asked;
    EXPECT_EQ(printer.docName(), QStringLiteral("Tapquill"));
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    return true;
  });
  Run([&](TStatisticsStg& s) { QTest::mouseClick(s.PrintBtn, Qt::LeftButton); });
  EXPECT_EQ(asked, 1);
  ASSERT_EQ(std::system(("pdftotext -layout " + pdf + " " + pdf + ".txt").c_str()), 0);
  const std::string text = test::ReadFile(pdf + ".txt");
  for (const char* wanted : {"Study Report", "Pat", "The home row", "E and H", "T and O", "100 cpm",
                             "300 cpm", "95 %", "50 %"})
    EXPECT_NE(text.find(wanted), std::string::npos) << wanted << "\n" << text;
  const std::size_t row2 = text.find("E and H");
  ASSERT_NE(row2, std::string::npos);
  const std::string line = text.substr(row2, text.find('\n', row2) - row2);
  EXPECT_NE(line.find(" - "), std::string::npos) << line;

  // A cancelled dialog prints nothing.
  test::WriteFile(pdf, "");
  SetPrintDialogHook([](QPrinter&) { return false; });
  Run([&](TStatisticsStg& s) { QTest::mouseClick(s.PrintBtn, Qt::LeftButton); });
  EXPECT_EQ(test::ReadFile(pdf), "");
  EXPECT_TRUE(host.messages.empty());

  // A file that cannot be written is reported, not silently lost.
  SetPrintDialogHook([&](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(dir / "no/such/folder/report.pdf"));
    return true;
  });
  Run([&](TStatisticsStg& s) { QTest::mouseClick(s.PrintBtn, Qt::LeftButton); });
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].kind, MessageKind::Error);
  EXPECT_NE(host.messages[0].text.find("could not be written"), std::string::npos);
}

TEST_F(StatisticsPageTest, ListsTheSlowestPairsOfLearnedLetters) {
  LetterPairs().Open({});  // kept in memory only
  CurrentUser().DifficultKeys().SetLearnedKeys("asdfjkl");
  for (const auto& [pair, ms] : {std::pair{"fj", 300}, {"as", 400}, {"qu", 900}})
    for (int i = 0; i < TLetterPairs::kMinIntervals; ++i)
      LetterPairs().AddPair(pair[0], pair[1], ms);
  LetterPairs().FoldNewCounts();
  Run([&](TStatisticsStg& s) {
    ASSERT_EQ(s.PairsList->Rows().size(), 2u);  // "q" and "u" are not learned
    EXPECT_EQ(s.PairsList->Rows()[0].Pair, QStringLiteral("as"));
    EXPECT_EQ(s.PairsList->Rows()[0].Time, QStringLiteral("400 ms"));
    EXPECT_EQ(s.PairsList->Rows()[1].Pair, QStringLiteral("fj"));
  });
}

}  // namespace
}  // namespace tq
