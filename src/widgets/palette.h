// Every colour the windows use, each named once. Values are 0x00BBGGRR (red is
// the low byte); platform::bgrColor turns one into a QColor.
#pragma once

#include <cstdint>

namespace palette {

inline constexpr std::uint32_t kBlack = 0x00000000;
inline constexpr std::uint32_t kWhite = 0x00FFFFFF;
inline constexpr std::uint32_t kDarkBlue = 0x00C00000;  // outlines, list text, titles
inline constexpr std::uint32_t kBlue = 0x00FF0000;      // the "Done" face
inline constexpr std::uint32_t kNavy = 0x00800000;
inline constexpr std::uint32_t kRed = 0x000000FF;
inline constexpr std::uint32_t kDarkRed = 0x000000C0;
inline constexpr std::uint32_t kGreen = 0x00008000;
inline constexpr std::uint32_t kOlive = 0x00008080;
inline constexpr std::uint32_t kOrange = 0x000080FF;
inline constexpr std::uint32_t kLightOrange = 0x0080C0FF;  // an armed key box
inline constexpr std::uint32_t kLavender = 0x00FFC0C0;     // an idle key box
inline constexpr std::uint32_t kLightCyan = 0x00FFFFC0;
inline constexpr std::uint32_t kGrey = 0x00808080;  // greyed captions, empty slots
inline constexpr std::uint32_t kDarkGrey = 0x00404040;
inline constexpr std::uint32_t kSilver = 0x00C0C0C0;
inline constexpr std::uint32_t kPictureGrey = 0x00BFBFBF;  // behind the weapon pictures
inline constexpr std::uint32_t kButtonFace = 0x00C8D0D4;   // the inner light of a sunken edge
inline constexpr std::uint32_t kMagenta = 0x00FF00FF;      // the pointers' transparent colour

}  // namespace palette
