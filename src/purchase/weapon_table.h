// What the weapons window sells: thirty pictures in six classes.
#pragma once

#include <QString>
#include <algorithm>
#include <array>

namespace purchase {

struct WeaponRow {
  int picture;  // the weapons window's picture number, 1 to 30
  int bitmap;   // its picture, :/pictures/<bitmap>.bmp: buy menu and item digits, 9x ammunition
  const char* dragText;  // the buy alias and ";", carried by a drag
  int weaponClass;       // 1 to 6: its option and frame
  int column, row;       // its cell in the class frame
};

inline constexpr std::array<WeaponRow, 30> kWeaponTable = {{
    {1, 11, "1-1;", 1, 0, 0},  {2, 12, "1-2;", 1, 0, 1},    {3, 13, "1-3;", 1, 0, 2},
    {4, 14, "1-4;", 1, 1, 0},  {5, 15, "1-5;", 1, 1, 1},    {6, 16, "1-6;", 1, 1, 2},
    {7, 21, "2-1;", 2, 0, 0},  {8, 22, "2-2;", 2, 0, 1},    {9, 31, "3-1;", 3, 0, 0},
    {10, 32, "3-2;", 3, 0, 1}, {11, 33, "3-3;", 3, 0, 2},   {12, 34, "3-4;", 3, 1, 0},
    {13, 35, "3-5;", 3, 1, 1}, {14, 41, "4-1;", 4, 0, 0},   {15, 42, "4-2;", 4, 0, 1},
    {16, 43, "4-3;", 4, 0, 2}, {17, 44, "4-4;", 4, 0, 3},   {18, 45, "4-5;", 4, 1, 0},
    {19, 46, "4-6;", 4, 1, 1}, {20, 47, "4-7;", 4, 1, 2},   {21, 48, "4-8;", 4, 1, 3},
    {22, 51, "5-1;", 5, 0, 0}, {23, 81, "8-1;", 6, 0, 0},   {24, 82, "8-2;", 6, 1, 0},
    {25, 83, "8-3;", 6, 0, 1}, {26, 84, "8-4;", 6, 0, 2},   {27, 85, "8-5;", 6, 0, 3},
    {28, 86, "8-6;", 6, 1, 1}, {29, 90, "ammo1;", 6, 1, 2}, {30, 91, "ammo2;", 6, 1, 3},
}};

// Whether a text is the drag text of one of the thirty weapons.
inline bool isWeaponDragText(const QString& text) {
  return std::any_of(kWeaponTable.begin(), kWeaponTable.end(),
                     [&](const WeaponRow& row) { return text == QLatin1String(row.dragText); });
}

struct WeaponClassRow {
  int weaponClass;              // its option shows the frame of this class
  const char* caption;          // of the option
  int frameWidth, frameHeight;  // twips
};

inline constexpr std::array<WeaponClassRow, 6> kWeaponClasses = {{
    {1, "Pistols", 6200, 2980},
    {2, "Shotguns", 3100, 1990},
    {3, "Sub Machine guns", 6200, 2980},
    {4, "Rifles", 6200, 3980},
    {5, "Machine guns", 3105, 1005},
    {6, "Equipment", 6200, 3980},
}};

// A weapon's cell in its frame, in twips; neighbours overlap by a hair.
inline constexpr int kCellLeftStep = 3096;
inline constexpr int kCellTopStep = 990;
inline constexpr int kCellWidth = 3105;
inline constexpr int kCellHeight = 1005;

}  // namespace purchase
