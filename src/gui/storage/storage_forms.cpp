#include "gui/storage/storage_forms.h"

#include "gui/storage/about_storage.h"
#include "gui/storage/add_views_stg.h"
#include "gui/storage/bubble_stg.h"
#include "gui/storage/builder_stg.h"
#include "gui/storage/chapter_stgs.h"
#include "gui/storage/event_view_stg.h"
#include "gui/storage/events_stg.h"
#include "gui/storage/general_stg.h"
#include "gui/storage/options_stg.h"
#include "gui/storage/revision_stg.h"
#include "gui/storage/statistics_stg.h"
#include "gui/storage/tris_stg.h"
#include "gui/storage/welcome_stg.h"

namespace tq {
namespace {

TStorageForms g_forms;

}  // namespace

std::vector<TStorageForm*> TStorageForms::All() const {
  std::vector<TStorageForm*> all = {
      AboutStorage, WelcomeStg, TrisStgFrm,  StatisticsStg, RevisionStg, OptioStg,   GeneralStg,
      EventViewStg, EventsStg,  ChapterStgs, BuilderStg,    BubbleStg,   AddViewsStg};
  std::erase(all, nullptr);
  return all;
}

const TStorageForms& StorageForms() {
  return g_forms;
}

void CreateStorageForms() {
  if (g_forms.AboutStorage) return;
  g_forms.AboutStorage = new TAboutStorage;
  g_forms.WelcomeStg = new TWelcomeStg;
  g_forms.TrisStgFrm = new TTrisStgFrm;
  g_forms.StatisticsStg = new TStatisticsStg;
  g_forms.RevisionStg = new TRevisionStg;
  g_forms.OptioStg = new TOptioStg;
  g_forms.GeneralStg = new TGeneralStg;
  g_forms.EventViewStg = new TEventViewStg;
  g_forms.EventsStg = new TEventsStg;
  g_forms.ChapterStgs = new TChapterStgs;
  g_forms.BuilderStg = new TBuilderStg;
  g_forms.BubbleStg = new TBubbleStg;
  g_forms.AddViewsStg = new TAddViewsStg;
}

void DestroyStorageForms() {
  for (TStorageForm* form : g_forms.All()) delete form;
  g_forms = TStorageForms{};
}

}  // namespace tq
