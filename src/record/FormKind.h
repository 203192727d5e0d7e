// The two sheet forms a boring is drawn on.
#pragma once

namespace tesmor {

inline constexpr int kSoilForm = 0;  // JACIC soil form (土質柱状図)
inline constexpr int kRockForm = 1;  // rock form (岩盤柱状図)

}  // namespace tesmor
