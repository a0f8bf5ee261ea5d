#pragma once

#include "platform/Rand15.h"

#include <cstdint>
#include <deque>
#include <initializer_list>

// Hands rand15 draws out of a script for as long as the object lives. Once the script is used
// up every draw is the fallback; the default, 32767, is a percent of 99, so every chance fails.
class ScriptedRand15 {
public:
    static constexpr int32_t highest = 32767;

    ScriptedRand15() {
        overrideRand15([this] {
            ++drawCount;
            if (script_.empty()) {
                return fallback;
            }
            const int32_t draw = script_.front();
            script_.pop_front();
            return draw;
        });
    }
    ~ScriptedRand15() { overrideRand15({}); }

    ScriptedRand15(const ScriptedRand15&) = delete;
    ScriptedRand15& operator=(const ScriptedRand15&) = delete;

    void add(std::initializer_list<int32_t> draws) { script_.insert(script_.end(), draws); }
    std::size_t remaining() const { return script_.size(); }

    int32_t fallback = highest;
    int drawCount = 0;

private:
    std::deque<int32_t> script_;
};
