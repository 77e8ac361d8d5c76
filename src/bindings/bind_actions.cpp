#include "bindings/bind_actions.h"

#include "bindings/key_names.h"
#include "config/config_text.h"

namespace bindings {

const std::array<BindAction, kActionCount> kBindActions{{
    {u"Fire", u"+attack"},
    {u"Weapon Special Function", u"+attack2"},
    {u"Reload weapon", u"+reload"},
    {u"Previous weapon", u"invprev"},
    {u"Next weapon", u"invnext"},
    {u"Last used weapon", u"lastinv"},
    {u"Turn nightvision on/off", u"nightvision"},
    {u"Drop current weapon", u"drop"},
    {u"Move forward", u"+forward"},
    {u"Move back", u"+back"},
    {u"Turn left", u"+left"},
    {u"Turn right", u"+right"},
    {u"Move left (strafe)", u"+moveleft"},
    {u"Move right (strafe)", u"+moveright"},
    {u"Walk", u"+speed"},
    {u"Jump", u"+jump"},
    {u"Duck", u"+duck"},
    {u"Swim up", u"+moveup"},
    {u"Swim down", u"+movedown"},
    {u"Lock up", u"+lookup"},
    {u"Lock down", u"+lookdown"},
    {u"Reset view", u"centerview"},
    {u"Strafe modifier", u"+strafe"},
    {u"Mouse look", u"+mlook"},
    {u"Keyboard look", u"+klook"},
    {u"Buy menu", u"b"},
    {u"Buy primary ammo", u"buyammo1"},
    {u"Buy secondary ammo", u"buyammo2"},
    {u"Buy equipment menu", u"buyequip"},
    {u"Select team", u"chooseteam"},
    {u"Menu item 0", u"slot0"},
    {u"Menu item 1", u"slot1"},
    {u"Menu item 2", u"slot2"},
    {u"Menu item 3", u"slot3"},
    {u"Menu item 4", u"slot4"},
    {u"Menu item 5", u"slot5"},
    {u"Menu item 6", u"slot6"},
    {u"Menu item 7", u"slot7"},
    {u"Menu item 8", u"slot8"},
    {u"Menu item 9", u"slot9"},
    {u"Display scores", u"+showscores"},
    {u"Recap mission briefing", u"showbriefing"},
    {u"Use item", u"+use"},
    {u"Flashlight", u"impulse 100"},
    {u"Spray logo", u"impulse 201"},
    {u"Take screen shot", u"snapshot"},
    {u"Cheer", u"cheer"},
    {u"Quit game", u"quit"},
    {u"Use voice commanication", u"r1"},
    {u"Standard radio messages", u"radio1"},
    {u"Group radio messages", u"radio2"},
    {u"Report radio messages", u"radio3"},
    {u"Activate in-game GUI", u"+commandmenu"},
    {u"Chat message", u"messagemode"},
    {u"Team chat message", u"messagemode2"},
    {u"Остановить звук", u"ss"},
    {u"Двойной/одинарный прицел", u"sp0"},
    {u"Сменить цвет прицела", u"cr"},
    {u"Увел. громкость", u"vup"},
    {u"Умен. громкость", u"vdn"},
    {u"Рестарт раунда", u"rr1"},
    {u"Показать/спрятать оружие", u"drawon"},
    {u"Статус серверов", u"st"},
    {u"Пауза в игре", u"pausable 1; pause"},
    {u"Время раунда (остаток)", u"timeleft"},
}};

const std::array<ActionGroup, 6> kActionGroups{{
    {0, 6255, 2895, 0, 7},
    {2850, 6255, 6150, 8, 24},
    {9000, 6255, 6255, 25, 41},
    {15120, 6255, 2655, 48, 54},
    {17640, 6255, 2295, 42, 47},
    {19800, 6240, 3735, 55, 64},
}};

namespace {
constexpr int kFirstExtraAction = 55;  // the wizard's own actions, boxes from 110
}

int primaryBox(int action) { return action < kFirstExtraAction ? action : action + 55; }

int alternateBox(int action) { return action < kFirstExtraAction ? action + 55 : action + 65; }

int actionOfBox(int box) {
  if (box < 55) return box;
  if (box < 120) return box - 55;
  return box - 65;
}

int groupOfAction(int action) {
  for (int g = 0; g < int(kActionGroups.size()); ++g) {
    if (action >= kActionGroups[g].firstAction && action <= kActionGroups[g].lastAction) return g;
  }
  return -1;
}

int rowOfAction(int action) { return action - kActionGroups[groupOfAction(action)].firstAction; }

QString commandBindLine(const QString& keyName, const QString& command) {
  return QStringLiteral("bind ") + config::quote() + consoleKeyName(keyName) + config::quote() +
         QStringLiteral(" ") + config::quote() + command + config::quote();
}

QStringList commandsSection(const std::array<QString, kBoxCount>& boxTexts) {
  QStringList lines;
  for (int box = 0; box < kBoxCount; ++box) {
    if (boxTexts[box].isEmpty()) continue;
    lines << commandBindLine(boxTexts[box],
                             QString::fromUtf16(kBindActions[actionOfBox(box)].command));
  }
  return lines;
}

}  // namespace bindings
