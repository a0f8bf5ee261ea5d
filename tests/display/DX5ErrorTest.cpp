#include "display/DX5Error.h"

#include "display/DX5ResultCodes.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(DX5ErrorTest, SurfaceLostTextShowsSeverityFacilityAndCode) {
    const DX5::Error error(DX5::DDERR_SURFACELOST);
    EXPECT_STREQ(error.what(),
                 "DirectX error!\r\nSeverity: 1. Facility: 2166 (0x876). Code: 450 (0x1c2).");
    EXPECT_EQ(error.code(), DX5::DDERR_SURFACELOST);
}

TEST(DX5ErrorTest, SuccessCodesHaveSeverityZeroAndFacilityKeepsThirteenBits) {
    EXPECT_EQ(DX5::Error::messageFor(0x7FFFABCD),
              "DirectX error!\r\nSeverity: 0. Facility: 8191 (0x1fff). Code: 43981 (0xabcd).");
}

TEST(DX5ErrorTest, PlatformTextFollowsTheHeadlineWithCodeZero) {
    const DX5::Error error(std::string("Couldn't create renderer"));
    EXPECT_STREQ(error.what(), "DirectX error!\r\nCouldn't create renderer");
    EXPECT_EQ(error.code(), 0);
}

TEST(DX5ErrorTest, UnsupportedVideoModeIsADirectXErrorWithoutCode) {
    const DX5::UnsupportedVideoModeError error;
    const DX5::Error& asDirectXError = error;
    EXPECT_STREQ(asDirectXError.what(), "UnsupportedVideoModeError");
    EXPECT_EQ(asDirectXError.code(), 0);
}

#ifdef _WIN32
// On Windows the text names what to install, and where to get it, as users there know it.
TEST(DX5ErrorTest, NoDirectX5TellsTheUserWhatToInstall) {
    const std::string text = DX5::NoDirectX5Error("CoCreateInstance 0x80040154").what();
    EXPECT_EQ(text, "This program requires DirectX 5 or later installed.\nYou can download the "
                    "latest version of DirectX from\n"
                    "https://www.microsoft.com/download/details.aspx?id=35");
}
#else
TEST(DX5ErrorTest, NoDirectX5TellsTheUserWhatIsMissingAndWhy) {
    const std::string text = DX5::NoDirectX5Error("SDL: No available video device").what();
    EXPECT_EQ(text.rfind("Pluvo Screensaver needs a graphical display and could not open one "
                         "(SDL: No available video device).\n",
                         0),
              0u)
        << text;
    EXPECT_EQ(text.find("DirectX"), std::string::npos);
    // A reason is no format: a percent sign in it stays as it is.
    EXPECT_NE(std::string(DX5::NoDirectX5Error("100%s").what()).find("(100%s)"), std::string::npos);
}
#endif

} // namespace
