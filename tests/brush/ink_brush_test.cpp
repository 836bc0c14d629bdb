#include "brush/ink_brush.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// The ring lives inside the brush (240 KB), so tests keep brushes on the heap.
std::unique_ptr<InkBrush> NewBrush() { return std::make_unique<InkBrush>(); }

// The particle with emission index e.
const InkParticle& Emitted(const InkBrush& b, std::int64_t e) {
  return b.ring(static_cast<int>(e % kRingSize));
}

// Brings a pressed brush to `size` by steady moves, ending at (x, y).
void DriveSizeTo(InkBrush& b, float size, int x, int y) {
  b.PenMove(x - 1, y, 200, 100);
  b.PenDown();
  b.PenMove(x, y, 200, 100);  // first move after a press: size exactly 2
  // Each move of 0 grows by 0.5; each move of 15 shrinks by 1. Grow from 2 to the target.
  while (b.brushSize() < size) b.PenMove(x, y, 200, 100);
  ASSERT_FLOAT_EQ(b.brushSize(), size);
}

TEST(InkBrush, NewBrushRestsAndFirstMoveOnlyRecords) {
  auto b = NewBrush();
  EXPECT_FALSE(b->penDown());
  EXPECT_EQ(b->brushSize(), 0.0f);
  EXPECT_EQ(b->count(), 0);
  EXPECT_EQ(b->first(), 0);
  EXPECT_EQ(b->inkRed(), 0.2f);
  EXPECT_EQ(b->inkGreen(), 0.2f);
  EXPECT_EQ(b->inkBlue(), 0.2f);
  EXPECT_FALSE(b->hasLastPosition());

  b->PenMove(7, 9, 200, 100);
  b->Tick();
  EXPECT_EQ(b->count(), 0);
  EXPECT_EQ(b->brushSize(), 0.0f);
  EXPECT_EQ(b->lastX(), 7);
  EXPECT_EQ(b->lastY(), 9);
}

// A press before any move must not draw a streak from an invented position: the first
// move only records where the pointer is, and the stroke starts from there.
TEST(InkBrush, PressBeforeAnyMoveStartsFromTheFirstRecordedPosition) {
  auto b = NewBrush();
  b->PenDown();
  b->PenMove(150, 40, 200, 100);
  EXPECT_EQ(b->count(), 0);
  EXPECT_EQ(b->brushSize(), 1.0f);
  b->PenMove(151, 40, 200, 100);
  ASSERT_EQ(b->count(), 2);
  EXPECT_EQ(Emitted(*b, 0).x, 50.0f);
  EXPECT_EQ(Emitted(*b, 0).y, 10.0f);
  EXPECT_EQ(b->brushSize(), 2.0f);
}

struct SizeCase {
  float before;
  int distance;
  float after;
};

class SizeAdaptation : public testing::TestWithParam<SizeCase> {};

// The worked size table: distance moved with the pen down, size before -> after.
TEST_P(SizeAdaptation, FollowsTheWorkedTable) {
  const SizeCase c = GetParam();
  auto b = NewBrush();
  if (c.before == 1.0f) {
    b->PenMove(0, 50, 200, 100);
    b->PenDown();
  } else {
    DriveSizeTo(*b, c.before, 0, 50);
  }
  const std::int64_t before = b->count();
  b->PenMove(c.distance, 50, 200, 100);
  EXPECT_EQ(b->brushSize(), c.after) << "from " << c.before << " over " << c.distance;
  // The run itself carries the size from before the adaptation.
  EXPECT_EQ(b->count() - before, c.distance + 1);
  EXPECT_EQ(Emitted(*b, b->count() - 1).size, c.before);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedValues, SizeAdaptation,
    testing::Values(SizeCase{1, 0, 2}, SizeCase{1, 1, 2}, SizeCase{1, 5, 2}, SizeCase{1, 13, 2},
                    SizeCase{1, 25, 2}, SizeCase{1, 35, 2}, SizeCase{1, 100, 2},
                    SizeCase{2, 0, 2.5f}, SizeCase{2, 1, 2.4f}, SizeCase{2, 5, 2},
                    SizeCase{2, 13, 2}, SizeCase{2, 25, 2}, SizeCase{2, 35, 2},
                    SizeCase{2, 100, 2}, SizeCase{5, 0, 5.5f}, SizeCase{5, 1, 5.4f},
                    SizeCase{5, 5, 5}, SizeCase{5, 13, 4.2f}, SizeCase{5, 25, 3},
                    SizeCase{5, 35, 2}, SizeCase{5, 100, 2}, SizeCase{8, 0, 8},
                    SizeCase{8, 1, 8}, SizeCase{8, 5, 8}, SizeCase{8, 13, 7.2f},
                    SizeCase{8, 25, 6}, SizeCase{8, 35, 5}, SizeCase{8, 100, 2}),
    [](const testing::TestParamInfo<SizeCase>& info) {
      return "from" + std::to_string(static_cast<int>(info.param.before)) + "_distance" +
             std::to_string(info.param.distance);
    });

struct TaperCase {
  const char* name;
  float start;  // 0 means a bare press with no move
  std::vector<float> ticks;
};

TEST(InkBrush, TapersAfterReleaseAsWorkedOut) {
  const TaperCase cases[] = {
      {"from 8", 8, {4.6f, 2.22f, 0.554f, 0, 0}},
      {"from 2", 2, {0.4f, 0, 0}},
      {"bare press", 0, {0, 0}},
  };
  for (const TaperCase& c : cases) {
    auto b = NewBrush();
    if (c.start == 0) {
      b->PenDown();
    } else {
      DriveSizeTo(*b, c.start, 0, 50);
    }
    b->Tick();  // pen down: nothing changes, however many ticks
    b->Tick();
    EXPECT_EQ(b->brushSize(), c.start == 0 ? 1.0f : c.start) << c.name;
    b->PenUp();
    for (float expected : c.ticks) {
      b->Tick();
      EXPECT_NEAR(b->brushSize(), expected, 5e-4f) << c.name;
      EXPECT_GE(b->brushSize(), 0.0f) << c.name;
    }
  }
}

// The tail: moves with the pen up lay particles at the tapering size without adapting
// it, and lay nothing once the size is 0.
TEST(InkBrush, TrailingMovesLayTheTaperedSize) {
  auto b = NewBrush();
  DriveSizeTo(*b, 8, 0, 50);
  b->PenUp();
  b->PenUp();  // a second release changes nothing
  int x = 0;
  const float expected[] = {8.0f, 4.6f, 2.22f, 0.554f};
  for (float size : expected) {
    const std::int64_t before = b->count();
    x += 3;
    b->PenMove(x, 50, 200, 100);
    EXPECT_EQ(b->count() - before, 4);
    EXPECT_NEAR(Emitted(*b, b->count() - 1).size, size, 5e-4f);
    EXPECT_NEAR(b->brushSize(), size, 5e-4f) << "a trailing move does not adapt the size";
    b->Tick();
  }
  EXPECT_EQ(b->brushSize(), 0.0f);
  const std::int64_t resting = b->count();
  b->PenMove(x + 40, 50, 200, 100);
  EXPECT_EQ(b->count(), resting);
  EXPECT_EQ(b->lastX(), x + 40);
}

struct RunCase {
  const char* name;
  int fromX, fromY, toX, toY, width, height;
  std::vector<std::pair<float, float>> expected;
};

// Runs start on the previous position and go away from the new one, one unit apart;
// halves of odd view sizes are truncated.
TEST(InkBrush, RunsMatchTheWorkedPositions) {
  const RunCase cases[] = {
      {"diagonal in 200x100", 100, 100, 103, 104, 200, 100,
       {{0, -50}, {-0.6f, -49.2f}, {-1.2f, -48.4f}, {-1.8f, -47.6f}, {-2.4f, -46.8f}, {-3, -46}}},
      {"upwards in 201x101", 50, 60, 50, 55, 201, 101,
       {{-50, -10}, {-50, -11}, {-50, -12}, {-50, -13}, {-50, -14}, {-50, -15}}},
      {"one pixel", 10, 10, 11, 10, 20, 20, {{0, 0}, {-1, 0}}},
      {"no distance", 30, 20, 30, 20, 20, 20, {{20, -10}}},
  };
  for (const RunCase& c : cases) {
    auto b = NewBrush();
    b->PenMove(c.fromX, c.fromY, c.width, c.height);
    b->PenDown();
    b->PenMove(c.toX, c.toY, c.width, c.height);
    ASSERT_EQ(b->count(), static_cast<std::int64_t>(c.expected.size())) << c.name;
    for (std::size_t i = 0; i < c.expected.size(); ++i) {
      const InkParticle& p = Emitted(*b, static_cast<std::int64_t>(i));
      EXPECT_EQ(p.x, c.expected[i].first) << c.name << " particle " << i;
      EXPECT_EQ(p.y, c.expected[i].second) << c.name << " particle " << i;
      EXPECT_EQ(p.size, 1.0f);
      EXPECT_EQ(p.red, 0.2f);
    }
    EXPECT_EQ(b->brushSize(), 2.0f) << c.name;
    EXPECT_EQ(b->lastX(), c.toX);
    EXPECT_EQ(b->lastY(), c.toY);
  }
}

TEST(InkBrush, ZeroDistanceMoveGrowsTheBrushByHalf) {
  auto b = NewBrush();
  DriveSizeTo(*b, 3, 40, 30);
  b->PenMove(40, 30, 200, 100);
  EXPECT_EQ(b->brushSize(), 3.5f);
  const InkParticle& p = Emitted(*b, b->count() - 1);
  EXPECT_EQ(p.x, -60.0f);
  EXPECT_EQ(p.y, 20.0f);
}

TEST(InkBrush, PressMidTailRestartsAtOne) {
  auto b = NewBrush();
  DriveSizeTo(*b, 6, 0, 50);
  b->PenUp();
  b->Tick();
  b->PenDown();
  EXPECT_EQ(b->brushSize(), 1.0f);
  EXPECT_TRUE(b->penDown());
}

TEST(InkBrush, RingWrapsAtTheTenThousandAndFirstParticle) {
  auto b = NewBrush();
  b->PenMove(0, 0, 20000, 100);
  b->PenDown();
  b->PenMove(9999, 0, 20000, 100);  // 10000 particles, emission 0..9999
  ASSERT_EQ(b->count(), 10000);
  EXPECT_EQ(b->ring(0).x, -10000.0f);
  b->PenMove(10000, 0, 20000, 100);  // particle 10000 goes to slot 0
  EXPECT_EQ(b->count(), 10002);
  EXPECT_EQ(b->first(), 0);
  EXPECT_EQ(b->ring(0).x, -1.0f);
  EXPECT_EQ(b->ring(1).x, -2.0f);
  EXPECT_EQ(b->ring(2).x, -10002.0f);
  EXPECT_EQ(b->ring(0).size, 2.0f);
  EXPECT_EQ(b->ring(1).size, 2.0f);
  EXPECT_EQ(b->ring(2).size, 1.0f) << "slot 2 still holds the first run";

  const DrawRange range = NewestParticles(*b);
  EXPECT_EQ(range.begin, 2);
  EXPECT_EQ(range.end, 10002);
}

// A single move longer than the ring overwrites its own earlier particles: the ring then
// holds exactly the run's last 10000 particles, and count still grows by the whole run.
TEST(InkBrush, MoveLongerThanTheRingKeepsItsNewestParticles) {
  auto b = NewBrush();
  b->PenMove(100, 0, 200, 100);
  b->PenDown();
  b->PenMove(100, 25000, 200, 100);  // the pointer moved down: the run goes up
  ASSERT_EQ(b->count(), 25001);
  for (std::int64_t e : {std::int64_t{15001}, std::int64_t{20000}, std::int64_t{25000}}) {
    const InkParticle& p = Emitted(*b, e);
    EXPECT_EQ(p.x, 0.0f);
    EXPECT_EQ(p.y, 50.0f + static_cast<float>(e)) << "emission " << e;
  }
  const DrawRange range = NewestParticles(*b);
  EXPECT_EQ(range.end - range.begin, kRingSize);
}

TEST(InkBrush, InkAndSizeChangesAffectOnlyLaterParticles) {
  auto b = NewBrush();
  b->PenMove(0, 0, 100, 100);
  b->PenDown();
  b->PenMove(2, 0, 100, 100);
  b->ApplyInkKey(0x31);
  b->PenMove(4, 0, 100, 100);
  ASSERT_EQ(b->count(), 6);
  for (int e = 0; e < 3; ++e) {
    EXPECT_EQ(Emitted(*b, e).green, 0.2f);
    EXPECT_EQ(Emitted(*b, e).size, 1.0f);
  }
  for (int e = 3; e < 6; ++e) {
    EXPECT_EQ(Emitted(*b, e).red, 0.0f);
    EXPECT_EQ(Emitted(*b, e).green, 1.0f);
    EXPECT_EQ(Emitted(*b, e).blue, 1.0f);
    EXPECT_EQ(Emitted(*b, e).size, 2.0f);
  }
}

TEST(InkBrush, DrawingSizeStaysWithinBoundsForAnyMoves) {
  auto b = NewBrush();
  b->PenMove(500, 500, 1000, 1000);
  b->PenDown();
  const int steps[] = {0, 1, 3, 7, 40, 200, 2, 0, 0, 0, 90, 4};
  int x = 500;
  for (int round = 0; round < 20; ++round) {
    for (int s : steps) {
      x += (round % 2 ? -s : s);
      b->PenMove(x, 500, 1000, 1000);
      EXPECT_GE(b->brushSize(), 2.0f);
      EXPECT_LE(b->brushSize(), 8.0f);
    }
  }
}

TEST(InkBrush, NewestParticlesOfAYoungBrushStartAtZero) {
  auto b = NewBrush();
  b->PenMove(0, 0, 100, 100);
  b->PenDown();
  b->PenMove(10, 0, 100, 100);
  const DrawRange range = NewestParticles(*b);
  EXPECT_EQ(range.begin, 0);
  EXPECT_EQ(range.end, 11);
}

}  // namespace
