#include "core/records/bookmark.h"

#include "core/files/data_file.h"

namespace tq {

void TBookMark::Clear() {
  Chapter = Exercise = Event = Spare = Mode = 0;
}

void TBookMark::SaveToFile(TRecFile& file) const {
  for (int32_t v : {Chapter, Exercise, Event, Spare}) file.WriteWord(static_cast<uint16_t>(v));
}

int TBookMark::LoadFromFile(TRecFile& file) {
  int32_t* first[] = {&Chapter, &Exercise, &Event};
  int status = kFileGood;
  for (int32_t* field : first) {
    int32_t v = 0;
    status = file.ReadSmallInt(v);
    *field = v;  // stored whatever the read returned
  }
  if (status != kFileGood) return kLoadFailed;
  int32_t spare = 0;
  status = file.ReadSmallInt(spare);
  Spare = spare;
  return status;
}

}  // namespace tq
