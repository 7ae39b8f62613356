#include "core/exercises/studying_tip.h"

#include <array>

#include "core/exercises/analyzer.h"
#include "core/files/ansi.h"
#include "core/records/difficult_keys.h"
#include "core/shell/strings.h"

namespace tq {
namespace {

// A weighted value below this marks an aspect as worth a tip; at 2 or more
// the aspect is good enough to mention with praise.
constexpr float kWeakWeight = 1.3f;
constexpr float kGoodWeight = 2.0f;
constexpr float kGoodScore = 3.0f;

// "very " from 3, nothing from 2, "quite " below 2; each rule has its own
// pair of entries.
std::string Intensifier(float score, int veryId, int quiteId) {
  if (score >= 3) return Str(veryId);
  if (score >= 2) return {};
  return Str(quiteId);
}

}  // namespace

std::string TStudyingTip::GetTip() const {
  return TipFor(EfficiencyCalc().AccuracyScore(), BackSpaceCounter().BackspaceScore(),
                DifficultKeys().KeysGrade(), EfficiencyCalc().SpeedScore());
}

std::string TStudyingTip::TipFor(float accuracyScore, float backspaceScore, float keysScore,
                                 float speedScore) {
  const std::array<float, 4> scores = {accuracyScore, backspaceScore, keysScore, speedScore};
  const float avg = (accuracyScore + backspaceScore + keysScore + speedScore) / 4.0f;
  // Rank 1 is a lowest score; equal scores share their rank.
  auto rank = [&](float s) {
    int r = 1;
    for (float other : scores)
      if (other < s) ++r;
    return r;
  };
  auto weight = [&](float s) { return s / 2.0f * avg; };
  auto weakest = [&](float s) { return rank(s) == 1 && s < kGoodScore && weight(s) < kWeakWeight; };

  std::string tip;
  if (weakest(accuracyScore)) {
    if (weight(speedScore) >= kGoodWeight)
      tip = Str(kStrTipAccSpeedWas) + Intensifier(speedScore, kStrTipAccVery, kStrTipAccQuite) +
            Str(kStrTipAccGoodButThe);
    else
      tip = Str(kStrTipAccThe);
    tip += Str(kStrTipAccErrors) + Str(kStrTipAccImprove);
  } else if (weakest(backspaceScore)) {
    if (weight(accuracyScore) >= kGoodWeight)
      tip = Str(kStrTipBsAccuracyWas) + Intensifier(accuracyScore, kStrTipBsVery, kStrTipBsQuite) +
            Str(kStrTipBsGoodButYou);
    else
      tip = Str(kStrTipBsYou);
    tip += Str(kStrTipBsUsedOften) + Str(kStrTipBsLessOften);
  } else if (weakest(keysScore)) {
    if (weight(accuracyScore) >= kGoodWeight)
      tip = Str(kStrTipKeyAccuracyWas) +
            Intensifier(accuracyScore, kStrTipKeyVery, kStrTipKeyQuite) + Str(kStrTipKeyGoodButYou);
    else
      tip = Str(kStrTipKeyYou);
    tip += Str(kStrTipKeyDifficult);
  } else if (weakest(speedScore)) {
    if (avg >= kGoodWeight)
      tip = Str(kStrTipSpdOtherAspects) + (avg >= 3 ? Str(kStrTipSpdVery) : std::string()) +
            Str(kStrTipSpdGoodCondition);
    else
      tip = Str(kStrTipSpdYou);
    tip += Str(kStrTipSpdIncrease) + Str(kStrTipSpdHigher);
  } else if (rank(speedScore) < rank(accuracyScore)) {
    if (weight(accuracyScore) >= kGoodWeight)
      tip = Str(kStrTipPraiseAccuracyWas) +
            Intensifier(accuracyScore, kStrTipPraiseAccVery, kStrTipPraiseAccQuite) +
            Str(kStrTipPraiseAccGreat);
  } else if (weight(speedScore) >= kGoodWeight) {
    tip = Str(kStrTipPraiseYouTyped) +
          Intensifier(speedScore, kStrTipPraiseSpdVery, kStrTipPraiseSpdQuite) +
          Str(kStrTipPraiseFast);
  }
  return ShortStr(tip);
}

}  // namespace tq
