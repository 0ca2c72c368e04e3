// The time field read as numbers, and the daily trigger's once-per-arrival rule.
#include "app/schedule.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(ScheduleTest, TimeFieldReadAsNumbers) {
  const struct {
    const char* field;
    std::optional<int> second;
  } cases[] = {
      {"12:00:00", 12 * 3600},
      {"09:05:00", 9 * 3600 + 5 * 60},
      {" 9:05:00", 9 * 3600 + 5 * 60},  // blank first hour digit
      {"00:00:00", 0},
      {"23:59:59", 86399},
      {"12.30.15", 12 * 3600 + 30 * 60 + 15},  // another locale's separator
      {"99:99:99", std::nullopt},
      {"24:00:00", std::nullopt},
      {"12:60:00", std::nullopt},
      {"12:00:60", std::nullopt},
      {"  :  :  ", std::nullopt},
      {"1 :00:00", std::nullopt},
      {"12:0 :00", std::nullopt},
      {"12:00", std::nullopt},
      {"120000000", std::nullopt},
      {"12 00 00", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseTimeField(c.field), c.second) << "\"" << c.field << "\"";
}

TEST(ScheduleTest, SecondsOfCountsCalendarDays) {
  EXPECT_EQ(SecondsOf({2016, 3, 1, 0, 0, 0}) - SecondsOf({2016, 2, 28, 0, 0, 0}), 2 * 86400);
  EXPECT_EQ(SecondsOf({2017, 1, 1, 0, 0, 0}) - SecondsOf({2016, 12, 31, 23, 59, 59}), 1);
}

const std::int64_t Day = SecondsOf({2026, 12, 8, 0, 0, 0});
const int Noon = 12 * 3600;

TEST(ScheduleTest, StartsOnceOnTheSetSecond) {
  TDailyTrigger trigger;
  EXPECT_FALSE(trigger.Tick(Day + Noon - 2, Noon));
  EXPECT_FALSE(trigger.Tick(Day + Noon - 1, Noon));
  EXPECT_TRUE(trigger.Tick(Day + Noon, Noon));
  EXPECT_FALSE(trigger.Tick(Day + Noon, Noon));  // a second tick in the same second
  EXPECT_FALSE(trigger.Tick(Day + Noon + 1, Noon));
  EXPECT_TRUE(trigger.Tick(Day + 86400 + Noon, Noon));  // and again the next day
}

TEST(ScheduleTest, LateTickStillStartsItOnce) {
  TDailyTrigger trigger;
  EXPECT_FALSE(trigger.Tick(Day + Noon - 1, Noon));
  EXPECT_TRUE(trigger.Tick(Day + Noon + 2, Noon));  // jumped over the set second
  EXPECT_FALSE(trigger.Tick(Day + Noon + 3, Noon));
  // Across midnight.
  TDailyTrigger late;
  EXPECT_FALSE(late.Tick(Day + 86399, 0));
  EXPECT_TRUE(late.Tick(Day + 86401, 0));
}

TEST(ScheduleTest, NoCatchingUpAtStartAndAfterTheClockWentBack) {
  TDailyTrigger trigger;
  EXPECT_FALSE(trigger.Tick(Day + Noon + 5, Noon));  // started after the set second
  EXPECT_FALSE(trigger.Tick(Day + Noon + 6, Noon));
  TDailyTrigger first;
  EXPECT_TRUE(first.Tick(Day + Noon, Noon));  // started on it
  // The clock set back by an hour: the set second comes again and starts again.
  TDailyTrigger back;
  EXPECT_TRUE(back.Tick(Day + Noon, Noon));
  EXPECT_FALSE(back.Tick(Day + Noon - 3600, Noon));
  EXPECT_FALSE(back.Tick(Day + Noon - 1, Noon));
  EXPECT_TRUE(back.Tick(Day + Noon, Noon));
}

TEST(ScheduleTest, InvalidFieldNeverStarts) {
  TDailyTrigger trigger;
  for (int s = -3; s <= 3; ++s) EXPECT_FALSE(trigger.Tick(Day + Noon + s, std::nullopt));
}

}  // namespace
}  // namespace velmora
