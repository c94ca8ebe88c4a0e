// The field-of-view, resolution and frame-rate groups keep each video mode's
// resolution and frame-rate codes in a valid combination. One table of cases,
// run for both modes.
#include "WindowFixture.h"

#include "CameraRules.h"

#include <tuple>

namespace {

enum class Chosen { FieldOfView, Resolution, FrameRate };

struct Case {
    Chosen group;
    long column;
    int resolutionBefore, frameRateBefore;
    int resolutionAfter, frameRateAfter;
    bool refresh;
};

constexpr Chosen F = Chosen::FieldOfView, R = Chosen::Resolution, P = Chosen::FrameRate;

const Case kCases[] = {
    // field of view: wide gives the odd code of the same resolution
    {F, 0, 0, 3, 1, 3, false},
    {F, 0, 2, 3, 3, 3, false},
    {F, 0, 4, 1, 5, 1, false},
    {F, 0, 1, 3, 1, 3, false},
    {F, 0, 3, 1, 3, 1, false},
    {F, 0, 5, 2, 5, 2, false},
    {F, 0, 9, 3, 9, 3, false},
    {F, 0, -1, 3, -1, 3, false},
    // narrow gives the even code; only 3 -> 2 enters the low codes and raises
    {F, 1, 1, 3, 0, 3, false},
    {F, 1, 3, 1, 2, 3, true},
    {F, 1, 3, 3, 2, 3, true},
    {F, 1, 3, 4, 2, 4, true},
    {F, 1, 5, 1, 4, 1, false},
    {F, 1, 0, 1, 0, 1, false},
    {F, 1, 2, 3, 2, 3, false},
    {F, 1, 4, 1, 4, 1, false},
    {F, 1, 9, 1, 9, 1, false},
    // resolution: the field of view stays, the resolution column is replaced
    {R, 0, 2, 3, 0, 3, false},
    {R, 0, 3, 1, 1, 3, true},
    {R, 0, 4, 2, 0, 3, true},
    {R, 0, 5, 4, 1, 4, true},
    {R, 0, 0, 3, 0, 3, false},
    {R, 0, 1, 3, 1, 3, false},
    {R, 0, 9, 1, 9, 1, false},
    {R, 1, 0, 3, 2, 3, true},
    {R, 1, 0, 1, 2, 3, true},
    {R, 1, 1, 3, 3, 3, false},
    {R, 1, 4, 1, 2, 3, true},
    {R, 1, 5, 2, 3, 2, false},
    {R, 1, 2, 3, 2, 3, false},
    {R, 1, 3, 1, 3, 1, false},
    {R, 1, -4, 1, -4, 1, false},
    {R, 2, 0, 3, 4, 3, false},
    {R, 2, 1, 3, 5, 3, false},
    {R, 2, 2, 3, 4, 3, false},
    {R, 2, 3, 1, 5, 1, false},
    {R, 2, 4, 1, 4, 1, false},
    {R, 2, 5, 1, 5, 1, false},
    {R, 2, 6, 1, 6, 1, false},
    // frame rate: 60 and 50 fps move the low resolution codes to 3
    {P, 0, 0, 3, 3, 1, true},
    {P, 0, 1, 3, 3, 1, true},
    {P, 0, 2, 4, 3, 1, true},
    {P, 0, 3, 3, 3, 1, true},
    {P, 0, 4, 3, 4, 1, true},
    {P, 0, 9, 3, 9, 1, true},
    {P, 1, 0, 3, 3, 2, true},
    {P, 1, 1, 3, 3, 2, true},
    {P, 1, 5, 3, 5, 2, true},
    {P, 2, 0, 1, 0, 3, false},
    {P, 2, 4, 1, 4, 3, false},
    {P, 3, 3, 1, 3, 4, false},
    {P, 3, 0, 3, 0, 4, false},
};

struct Mode {
    const char* name;
    const rules::VideoMode* codes;
    Group fieldOfView, resolution, frameRate;
    const rules::VideoMode* other;
};

const Mode kModes[] = {
    {"VideoMode1", &rules::kVideoMode1, &D::videoMode1FOVOutlet, &D::videoMode1ResOutlet,
     &D::videoMode1FPSOutlet, &rules::kVideoMode2},
    {"VideoMode2", &rules::kVideoMode2, &D::videoMode2FOVOutlet, &D::videoMode2ResOutlet,
     &D::videoMode2FPSOutlet, &rules::kVideoMode1},
};

void PrintTo(const Mode& mode, std::ostream* out) {
    *out << mode.name;
}
void PrintTo(const Case& c, std::ostream* out) {
    *out << "column " << c.column << " at codes " << c.resolutionBefore << "/" << c.frameRateBefore;
}

class VideoModeChoice : public WindowTest,
                        public ::testing::WithParamInterface<std::tuple<Mode, Case>> {};

TEST_P(VideoModeChoice, KeepsTheCodesCombinedAndRefreshesWhenTheRuleSays) {
    const Mode& mode = std::get<0>(GetParam());
    const Case& c = std::get<1>(GetParam());
    mCF.setCameraValue(mode.codes->resolution, c.resolutionBefore);
    mCF.setCameraValue(mode.codes->frameRate, c.frameRateBefore);
    mCF.setCameraValue(mode.other->resolution, 5);
    mCF.setCameraValue(mode.other->frameRate, 2);
    d().updateAllControls();
    const Settings before = settingsNow();
    clearRefreshMark();

    const Group group = c.group == F   ? mode.fieldOfView
                        : c.group == R ? mode.resolution
                                       : mode.frameRate;
    click(d().*group, c.column);

    EXPECT_EQ(mCF.getCameraValue(mode.codes->resolution), c.resolutionAfter);
    EXPECT_EQ(mCF.getCameraValue(mode.codes->frameRate), c.frameRateAfter);
    EXPECT_EQ(refreshed(), c.refresh);
    std::set<int> allowed = {mode.codes->resolution, mode.codes->frameRate};
    for (int index : changed(before, settingsNow()))
        EXPECT_EQ(allowed.count(index), 1u) << "setting " << index << " changed";
    if (c.refresh) {
        const rules::ResolutionColumns shown = rules::resolutionColumns(c.resolutionAfter);
        EXPECT_EQ((d().*mode.frameRate)->selectedColumn(), c.frameRateAfter - 1);
        EXPECT_EQ((d().*mode.resolution)->selectedColumn(), shown.resolution);
        EXPECT_EQ((d().*mode.fieldOfView)->selectedColumn(), shown.fieldOfView);
    }
}

std::string caseName(const ::testing::TestParamInfo<std::tuple<Mode, Case>>& info) {
    const Case& c = std::get<1>(info.param);
    const char* group = c.group == F ? "Fov" : c.group == R ? "Res" : "Fps";
    auto number = [](int n) { return n < 0 ? "m" + std::to_string(-n) : std::to_string(n); };
    return std::string(std::get<0>(info.param).name) + "_" + group + std::to_string(c.column) +
           "_from" + number(c.resolutionBefore) + "at" + number(c.frameRateBefore);
}

INSTANTIATE_TEST_SUITE_P(BothModes, VideoModeChoice,
                         ::testing::Combine(::testing::ValuesIn(kModes),
                                            ::testing::ValuesIn(kCases)),
                         caseName);

} // namespace
