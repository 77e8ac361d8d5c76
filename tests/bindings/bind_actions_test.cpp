#include "bindings/bind_actions.h"

#include <gtest/gtest.h>

namespace {

using bindings::commandsSection;
using Boxes = std::array<QString, bindings::kBoxCount>;

TEST(BoxRule, BoxesAndActionsBothWays) {
  const struct {
    int action, primary, alternate;
  } rows[] = {{0, 0, 55},     {15, 15, 70},   {54, 54, 109},
              {55, 110, 120}, {63, 118, 128}, {64, 119, 129}};
  for (const auto& r : rows) {
    EXPECT_EQ(bindings::primaryBox(r.action), r.primary);
    EXPECT_EQ(bindings::alternateBox(r.action), r.alternate);
  }
  std::array<int, bindings::kActionCount> served{};
  for (int box = 0; box < bindings::kBoxCount; ++box) ++served[bindings::actionOfBox(box)];
  for (int count : served) EXPECT_EQ(count, 2);
  EXPECT_EQ(bindings::actionOfBox(109), 54);
  EXPECT_EQ(bindings::actionOfBox(110), 55);
  EXPECT_EQ(bindings::actionOfBox(119), 64);
  EXPECT_EQ(bindings::actionOfBox(120), 55);
}

TEST(BoxRule, GroupsAndRows) {
  const struct {
    int action, group, row;
  } rows[] = {{0, 0, 0},  {7, 0, 7},  {8, 1, 0},  {24, 1, 16}, {25, 2, 0}, {41, 2, 16},
              {42, 4, 0}, {47, 4, 5}, {48, 3, 0}, {54, 3, 6},  {55, 5, 0}, {64, 5, 9}};
  for (const auto& r : rows) {
    EXPECT_EQ(bindings::groupOfAction(r.action), r.group) << r.action;
    EXPECT_EQ(bindings::rowOfAction(r.action), r.row) << r.action;
  }
}

TEST(CommandsSection, NoBoxFilled) { EXPECT_TRUE(commandsSection(Boxes{}).isEmpty()); }

TEST(CommandsSection, LinesInBoxOrderWithTheConsolesKeyNames) {
  Boxes boxes;
  boxes[0] = "Mouse1";
  boxes[55] = "Ctrl";
  boxes[15] = "Space";
  EXPECT_EQ(commandsSection(boxes),
            QStringList({"bind \"Mouse1\" \"+attack\"", "bind \"Space\" \"+jump\"",
                         "bind \"Ctrl\" \"+attack\""}));

  Boxes more;
  more[8] = "Page Up";     // the console knows it as pgup
  more[70] = "Num 7";      // alternate of action 15
  more[110] = "Num Lock";  // primary of action 55
  more[118] = "F5";        // action 63
  more[128] = "+";         // the numeric pad's plus
  more[129] = "`";
  EXPECT_EQ(commandsSection(more),
            QStringList({"bind \"pgup\" \"+forward\"", "bind \"kp_home\" \"+jump\"",
                         "bind \"Num Lock\" \"ss\"", "bind \"F5\" \"pausable 1; pause\"",
                         "bind \"kp_plus\" \"pausable 1; pause\"", "bind \"`\" \"timeleft\""}));
}

TEST(CommandsSection, EveryBoxFilled) {
  Boxes boxes;
  for (int i = 0; i < bindings::kBoxCount; ++i) boxes[i] = QStringLiteral("F1");
  const QStringList lines = commandsSection(boxes);
  ASSERT_EQ(lines.size(), 130);
  EXPECT_EQ(lines[0], "bind \"F1\" \"+attack\"");
  EXPECT_EQ(lines[54], "bind \"F1\" \"messagemode2\"");
  EXPECT_EQ(lines[55], "bind \"F1\" \"+attack\"");
  EXPECT_EQ(lines[43], "bind \"F1\" \"impulse 100\"");
  EXPECT_EQ(lines[110], "bind \"F1\" \"ss\"");
  EXPECT_EQ(lines[119], "bind \"F1\" \"timeleft\"");
  EXPECT_EQ(lines[129], "bind \"F1\" \"timeleft\"");
}

}  // namespace
