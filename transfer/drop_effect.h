#pragma once
// Matching a drop target's answer with the effects the source allows.

#include <cstdint>

namespace tessik {

inline constexpr std::uint32_t kDropEffectNone = 0;
inline constexpr std::uint32_t kDropEffectCopy = 1;
inline constexpr std::uint32_t kDropEffectMove = 2;
inline constexpr std::uint32_t kDropEffectLink = 4;

// An allowed answer stands; a copy that is not allowed becomes a move if moving
// is allowed, else a link if linking is allowed, else none.
std::uint32_t MatchDropEffect(std::uint32_t answer, std::uint32_t allowed);

}  // namespace tessik
