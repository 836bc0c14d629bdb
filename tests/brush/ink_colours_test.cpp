#include "brush/ink_brush.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Ink {
  float r, g, b;
};

void ExpectInk(const InkBrush& b, Ink ink, const char* what) {
  EXPECT_EQ(b.inkRed(), ink.r) << what;
  EXPECT_EQ(b.inkGreen(), ink.g) << what;
  EXPECT_EQ(b.inkBlue(), ink.b) << what;
}

TEST(InkColours, EachKeyAndCommandStoresExactlyItsRow) {
  const struct {
    bool isKey;
    unsigned code;
    Ink stored;
  } rows[] = {
      {false, 32771, {1, 0, 0}}, {false, 32772, {0, 1, 0}}, {false, 32773, {1, 1, 0}},
      {false, 32774, {0, 0, 1}}, {true, 0x31, {0, 1, 1}},   {true, 0x32, {1, 0, 1}},
      {true, 0x33, {1, 1, 0}},   {true, 0x34, {0, 0, 1}},   {true, 0x35, {1, 0, 0}},
      {true, 0x36, {0, 1, 0}},   {true, 0x37, {0.2f, 0.2f, 0.2f}}, {true, 0x38, {1, 1, 1}},
  };
  for (const auto& row : rows) {
    auto b = std::make_unique<InkBrush>();
    b->SetInk(0.5f, 0.5f, 0.5f);  // a value no row stores
    if (row.isKey) {
      b->ApplyInkKey(row.code);
    } else {
      b->ApplyInkCommand(row.code);
    }
    ExpectInk(*b, row.stored, row.isKey ? "key" : "command");
    // A repeat of a held key, or the same command again, sets the same colour.
    if (row.isKey) b->ApplyInkKey(row.code); else b->ApplyInkCommand(row.code);
    ExpectInk(*b, row.stored, "repeat");
  }
}

TEST(InkColours, OtherKeysAndCommandsChangeNothing) {
  auto b = std::make_unique<InkBrush>();
  b->SetInk(0.5f, 0.25f, 0.75f);
  for (unsigned key : {0x30u, 0x39u, 0x41u, 0x60u, 0x61u, 0x68u, 0u, 0x131u, 0xFFFFFFFFu}) {
    b->ApplyInkKey(key);
  }
  for (unsigned command : {32770u, 32775u, 57600u, 0u, 0x31u}) b->ApplyInkCommand(command);
  ExpectInk(*b, {0.5f, 0.25f, 0.75f}, "unchanged");
}

TEST(InkColours, NewBrushInkEqualsKeySevenAndSetInkStoresAnyValue) {
  auto fresh = std::make_unique<InkBrush>();
  auto seven = std::make_unique<InkBrush>();
  seven->SetInk(1, 1, 1);
  seven->ApplyInkKey(0x37);
  ExpectInk(*fresh, {seven->inkRed(), seven->inkGreen(), seven->inkBlue()}, "key 7");

  fresh->SetInk(-1.5f, 2.0f, 1e6f);
  ExpectInk(*fresh, {-1.5f, 2.0f, 1e6f}, "out of range kept");
}

}  // namespace
