#include "transfer/drop_effect.h"

namespace tessik {

std::uint32_t MatchDropEffect(std::uint32_t answer, std::uint32_t allowed) {
    if ((answer & allowed) == answer) {
        return answer;  // allowed, or none
    }
    if (answer == kDropEffectCopy) {
        if (allowed & kDropEffectMove) {
            return kDropEffectMove;
        }
        if (allowed & kDropEffectLink) {
            return kDropEffectLink;
        }
    }
    return kDropEffectNone;
}

}  // namespace tessik
