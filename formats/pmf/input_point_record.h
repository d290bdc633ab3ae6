#pragma once

#include <cstddef>
#include <cstdint>

namespace pinmover {

// One parsed record line of a point list. The layout is fixed: every text slot is a
// NUL-terminated byte string holding at most its width less one byte. A default-made record is
// the empty record (sequence -1, every other byte zero).
struct InputPointRecord {
  std::int16_t sequence = -1;
  char text1[8]{};
  char text12[8]{};
  char name[64]{};
  char firstCoordinate[32]{};
  char secondCoordinate[32]{};
  char word21[64]{};
  char text10[64]{};
  char text11[10]{};
  std::int32_t flag14 = 0;
  char text15[8]{};
  char text16[8]{};
  char text17[64]{};
  char text18[128]{};
  char text24[22]{};
  char date[16]{};
  char text19[64]{};
  char text20[64]{};
  char time[16]{};
  char text23[18]{};

  bool operator==(const InputPointRecord&) const = default;
};

static_assert(offsetof(InputPointRecord, sequence) == 0);
static_assert(offsetof(InputPointRecord, text1) == 2);
static_assert(offsetof(InputPointRecord, text12) == 10);
static_assert(offsetof(InputPointRecord, name) == 18);
static_assert(offsetof(InputPointRecord, firstCoordinate) == 82);
static_assert(offsetof(InputPointRecord, secondCoordinate) == 114);
static_assert(offsetof(InputPointRecord, word21) == 146);
static_assert(offsetof(InputPointRecord, text10) == 210);
static_assert(offsetof(InputPointRecord, text11) == 274);
static_assert(offsetof(InputPointRecord, flag14) == 284);
static_assert(offsetof(InputPointRecord, text15) == 288);
static_assert(offsetof(InputPointRecord, text16) == 296);
static_assert(offsetof(InputPointRecord, text17) == 304);
static_assert(offsetof(InputPointRecord, text18) == 368);
static_assert(offsetof(InputPointRecord, text24) == 496);
static_assert(offsetof(InputPointRecord, date) == 518);
static_assert(offsetof(InputPointRecord, text19) == 534);
static_assert(offsetof(InputPointRecord, text20) == 598);
static_assert(offsetof(InputPointRecord, time) == 662);
static_assert(offsetof(InputPointRecord, text23) == 678);
static_assert(sizeof(InputPointRecord) == 696);

}  // namespace pinmover
