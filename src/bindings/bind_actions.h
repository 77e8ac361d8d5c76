// The 65 actions of the controls page, the boxes that serve them, the groups
// they are shown in, and the bind lines of the Commands section.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace bindings {

constexpr int kActionCount = 65;
constexpr int kBoxCount = 130;

struct BindAction {
  const char16_t* caption;
  const char16_t* command;
};

extern const std::array<BindAction, kActionCount> kBindActions;

// The box rule: actions 0 to 54 own boxes n and n + 55; actions 55 to 64 own
// boxes n + 55 and n + 65.
int primaryBox(int action);
int alternateBox(int action);
int actionOfBox(int box);

// A frame of rows on the panel: its place (twips) and its actions, top row first.
struct ActionGroup {
  int top;
  int width, height;
  int firstAction, lastAction;
};
extern const std::array<ActionGroup, 6> kActionGroups;  // top of the panel first

// The group that shows the action, and the action's row in it.
int groupOfAction(int action);
int rowOfAction(int action);

// bind "key" "command", the key by its console name.
QString commandBindLine(const QString& keyName, const QString& command);

// The lines after the header "// [ Commands ] ": one for every filled box, in box order.
QStringList commandsSection(const std::array<QString, kBoxCount>& boxTexts);

}  // namespace bindings
