#pragma once
// The thirteen hidden storage forms, created once at start-up in a fixed
// order and kept for the whole run.

#include <vector>

namespace tq {

class TStorageForm;
class TAboutStorage;
class TWelcomeStg;
class TTrisStgFrm;
class TStatisticsStg;
class TRevisionStg;
class TOptioStg;
class TGeneralStg;
class TEventViewStg;
class TEventsStg;
class TChapterStgs;
class TBuilderStg;
class TBubbleStg;
class TAddViewsStg;

struct TStorageForms {
  TAboutStorage* AboutStorage = nullptr;
  TWelcomeStg* WelcomeStg = nullptr;
  TTrisStgFrm* TrisStgFrm = nullptr;
  TStatisticsStg* StatisticsStg = nullptr;
  TRevisionStg* RevisionStg = nullptr;
  TOptioStg* OptioStg = nullptr;
  TGeneralStg* GeneralStg = nullptr;
  TEventViewStg* EventViewStg = nullptr;
  TEventsStg* EventsStg = nullptr;
  TChapterStgs* ChapterStgs = nullptr;
  TBuilderStg* BuilderStg = nullptr;
  TBubbleStg* BubbleStg = nullptr;
  TAddViewsStg* AddViewsStg = nullptr;

  // All of them, in creation order.
  std::vector<TStorageForm*> All() const;
};

// The program's storage forms (all none before CreateStorageForms).
const TStorageForms& StorageForms();
void CreateStorageForms();
void DestroyStorageForms();

}  // namespace tq
