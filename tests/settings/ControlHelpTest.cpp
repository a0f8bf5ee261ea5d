#include "settings/ControlHelp.h"

#include "settings/DropsPageModel.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>

namespace {

// Both faces look a control's help up by the part and the id; two entries for one control would
// leave one of them unreachable, and an empty one would show an empty window.
TEST(ControlHelpTest, EveryControlHasOneHelpTextUnderItsPart) {
    std::set<std::pair<std::string, int>> controls;
    for (const ControlHelp::Entry& entry : ControlHelp::entries()) {
        EXPECT_TRUE(controls.insert({entry.part, entry.controlId}).second)
            << entry.part << " " << entry.controlId;
        EXPECT_STRNE(entry.text, "");
    }
    EXPECT_STREQ(ControlHelp::textFor("DropsOptionsPage", DropsPageModel::densityId),
                 "玻璃上同时落下的雨滴有多少。向右移动，雨下得更密。");
    EXPECT_EQ(ControlHelp::textFor("SoundOptionsPage", DropsPageModel::densityId), nullptr);
    EXPECT_EQ(std::string(ControlHelp::guide()).rfind("<h2>", 0), 0u);
}

} // namespace
