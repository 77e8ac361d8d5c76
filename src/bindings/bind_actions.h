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

extern const std::array<BindAction, kActionCount> BindActions;

// The box rule: actions 0 to 54 own boxes n and n + 55; actions 55 to 64 own
// boxes n + 55 and n + 65.
int PrimaryBox(int action);
int AlternateBox(int action);
int ActionOfBox(int box);

// A frame of rows on the panel: its place (twips) and its actions, top row first.
struct ActionGroup {
  int top;
  int width, height;
  int firstAction, lastAction;
};
extern const std::array<ActionGroup, 6> ActionGroups;  // Frame1 to Frame6

// The group that shows the action, and the action's row in it.
int GroupOfAction(int action);
int RowOfAction(int action);

// bind "key" "command", the key by its console name.
QString CommandBindLine(const QString& keyName, const QString& command);

// The lines after the header "// [ Commands ] ": one for every filled box, in box order.
QStringList CommandsSection(const std::array<QString, kBoxCount>& boxTexts);

}  // namespace bindings
