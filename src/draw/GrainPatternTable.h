// Parameters of the grain family of lithology patterns: gravels and sands drawn as
// rows of circles or grain marks (diamonds, with a bar and a small circle for the
// coarser sands), and boulders drawn as ellipses. One renderer draws them all
// (GrainPatterns.h).
#pragma once

#include <array>
#include <cstdint>

namespace tesmor {

enum class GrainLayout : std::uint8_t {
  kAligned,    // every row the same: count elements from one column in
  kStaggered,  // even rows countEven elements from one column in, odd rows countOdd from 1.8 columns in
  kElliptic,   // boulders: rows alternate countOdd ellipses from 2.2 columns in (the first row)
               // and countEven from one column in
};

struct GrainParameters {
  int type;
  GrainLayout layout;
  double colDiv;   // h: a column is W ÷ h
  double rowDiv;   // l: a row unit is 0.1 × W ÷ l centimetres
  double colStep;  // m: columns between elements of a row
  double rowStep;  // o: row units between rows
  double sizeDiv;  // r: grain half width W ÷ r, half height 0.1 × W ÷ r
  int barFlag;     // 1: diamond with a bar (and a small circle when r ≤ 22)
  int countEven;   // elements of the even rows (aligned: of every row)
  int countOdd;    // elements of the odd rows
};

inline constexpr std::array<GrainParameters, 12> kGrainPatterns = {{
    // type  layout                   h     l   m  o  r   bar even odd
    {200, GrainLayout::kAligned, 8.0, 8.0, 2.0, 2.0, 13.0, 0, 4, 4},     // 礫質土
    {400, GrainLayout::kAligned, 8.0, 6.0, 2.0, 1.0, 24.0, 1, 4, 4},     // 砂質土
    {4400, GrainLayout::kAligned, 7.0, 12.0, 1.0, 2.0, 26.0, 1, 6, 6},   // 砂岩、硬砂岩
    {300, GrainLayout::kStaggered, 6.0, 8.0, 2.0, 1.0, 24.0, 1, 3, 2},   // 砂
    {3300, GrainLayout::kStaggered, 6.0, 8.0, 2.0, 2.0, 10.0, 0, 3, 2},  // 粗礫
    {3400, GrainLayout::kStaggered, 6.5, 8.0, 2.0, 2.0, 11.0, 0, 3, 3},  // 中礫
    {3500, GrainLayout::kStaggered, 8.5, 8.0, 2.0, 2.0, 13.0, 0, 4, 4},  // 細礫
    {3600, GrainLayout::kStaggered, 6.5, 8.0, 2.0, 2.0, 20.0, 1, 3, 3},  // 粗砂
    {3800, GrainLayout::kStaggered, 8.5, 6.0, 2.0, 1.0, 22.0, 1, 4, 4},  // 中砂
    {1400, GrainLayout::kStaggered, 10.5, 6.0, 2.0, 1.0, 26.0, 1, 5, 5}, // 細砂
    {4500, GrainLayout::kStaggered, 8.0, 8.0, 2.0, 2.0, 26.0, 1, 4, 3},  // 礫岩
    {6900, GrainLayout::kElliptic, 3.0, 8.0, 2.0, 2.0, 6.0, 0, 1, 1},    // 玉石(楕円)
}};

}  // namespace tesmor
