#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

CommandLine parsed(std::string_view text) {
    return CommandLine::parse(text);
}

TEST(CommandLineTest, SaverOptionInEitherCaseAndPrefix) {
    EXPECT_EQ(parsed("/S").mode, RunMode::Saver);
    EXPECT_EQ(parsed("-s").mode, RunMode::Saver);
    EXPECT_EQ(parsed("/s extra").mode, RunMode::Saver);
    EXPECT_FALSE(parsed("/s").windowed);
}

TEST(CommandLineTest, LaterOptionWins) {
    EXPECT_EQ(parsed("/s /c").mode, RunMode::Settings);
    EXPECT_EQ(parsed("/c /s").mode, RunMode::Saver);
}

TEST(CommandLineTest, PreviewReadsTheHandleFromTheNextToken) {
    const CommandLine preview = parsed("/p 4711");
    EXPECT_EQ(preview.mode, RunMode::Preview);
    EXPECT_EQ(preview.parentWindow, 4711);

    const CommandLine alone = parsed("/p");
    EXPECT_EQ(alone.mode, RunMode::Preview);
    EXPECT_EQ(alone.parentWindow, 0);

    EXPECT_EQ(parsed("/P 12abc").parentWindow, 12);
}

TEST(CommandLineTest, PreviewJoinedWithAColonIsNotRecognised) {
    const CommandLine line = parsed("/p:4711");
    EXPECT_EQ(line.mode, RunMode::Settings);
    EXPECT_EQ(line.parentWindow, 0);
}

TEST(CommandLineTest, SettingsTakeTheHandleAfterTwoCharacters) {
    EXPECT_EQ(parsed("/c:0012").parentWindow, 12);
    EXPECT_EQ(parsed("/c:0012").mode, RunMode::Settings);
    EXPECT_EQ(parsed("/config").parentWindow, 0);
    EXPECT_EQ(parsed("/C").parentWindow, 0);
    EXPECT_EQ(parsed("/s /c").parentWindow, 0);
}

TEST(CommandLineTest, HandleOutsideInt32GivesNoWindow) {
    EXPECT_EQ(parsed("/p 99999999999999999999").parentWindow, 0);
    EXPECT_EQ(parsed("/c:4294967296").parentWindow, 0);
    EXPECT_EQ(parsed("/p 2147483647").parentWindow, 2147483647);
}

TEST(CommandLineTest, UnrecognisedTextLeavesTheSettings) {
    for (const char* text : {"", "   ", "uninstall", "/Uninstall", "/x", "-", "/", "s"}) {
        const CommandLine line = parsed(text);
        EXPECT_EQ(line.mode, RunMode::Settings) << '"' << text << '"';
        EXPECT_EQ(line.parentWindow, 0) << '"' << text << '"';
    }
}

TEST(CommandLineTest, UninstallHandOver) {
    EXPECT_EQ(parsed("/uninstall").mode, RunMode::UninstallHandOver);
    EXPECT_EQ(parsed("-uninstall").mode, RunMode::UninstallHandOver);
}

TEST(CommandLineTest, KillReadsTheQuotedPath) {
    const CommandLine line = parsed("/kill \"/opt/pluvo dir/pluvo\"");
    EXPECT_EQ(line.mode, RunMode::Uninstall);
    EXPECT_EQ(line.uninstallTarget, "/opt/pluvo dir/pluvo");
}

TEST(CommandLineTest, KillPathRunsToTheEndWithoutClosingQuote) {
    EXPECT_EQ(parsed("/kill   \"/opt/pluvo").uninstallTarget, "/opt/pluvo");
}

TEST(CommandLineTest, KillWithoutQuoteHasNoTarget) {
    const CommandLine line = parsed("/kill /opt/pluvo");
    EXPECT_EQ(line.mode, RunMode::Uninstall);
    EXPECT_EQ(line.uninstallTarget, "");
    EXPECT_EQ(parsed("/kill").uninstallTarget, "");
}

TEST(CommandLineTest, OptionsAfterTheKillPathStillCount) {
    EXPECT_EQ(parsed("/kill \"/a b\" /s").mode, RunMode::Saver);
}

TEST(CommandLineTest, RootDrawsIntoTheRootWindow) {
    const CommandLine line = parsed("-root");
    EXPECT_EQ(line.mode, RunMode::Saver);
    EXPECT_TRUE(line.hosted);
    EXPECT_EQ(line.parentWindow, 0);
    EXPECT_FALSE(line.windowed);
}

TEST(CommandLineTest, WindowIdDrawsTheSaverIntoThatWindow) {
    for (const char* text : {"-window-id 0x1a00007", "--window-id 0x1a00007"}) {
        const CommandLine line = parsed(text);
        EXPECT_EQ(line.mode, RunMode::Saver) << text;
        EXPECT_TRUE(line.hosted) << text;
        EXPECT_EQ(line.parentWindow, 0x1a00007) << text;
    }
    EXPECT_EQ(parsed("-window-id 4711").parentWindow, 4711);
}

TEST(CommandLineTest, WindowIdThatIsNoWindowIsIgnored) {
    for (const char* text : {"-window-id", "-window-id 0", "-window-id 12x", "-window-id -5",
                             "-window-id 0x100000000"}) {
        EXPECT_EQ(parsed(text).mode, RunMode::Settings) << text;
    }
}

TEST(CommandLineTest, DaemonWindowInTheEnvironmentIsDrawnInto) {
    const CommandLine bare = CommandLine::parse("", std::string("0x2c00003"));
    EXPECT_EQ(bare.mode, RunMode::Saver);
    EXPECT_TRUE(bare.hosted);
    EXPECT_EQ(bare.parentWindow, 0x2c00003);

    const CommandLine root = CommandLine::parse("-root", std::string("0x2c00003"));
    EXPECT_TRUE(root.hosted);
    EXPECT_EQ(root.parentWindow, 0x2c00003);
}

TEST(CommandLineTest, ExplicitOptionsOverrideTheEnvironmentWindow) {
    const CommandLine saver = CommandLine::parse("/s", std::string("77"));
    EXPECT_EQ(saver.mode, RunMode::Saver);
    EXPECT_FALSE(saver.hosted);
    EXPECT_EQ(CommandLine::parse("/p 9", std::string("77")).mode, RunMode::Preview);
    EXPECT_EQ(CommandLine::parse("-window-id 5", std::string("77")).parentWindow, 5);
}

TEST(CommandLineTest, UnusableEnvironmentWindowIsIgnored) {
    EXPECT_EQ(CommandLine::parse("", std::string("")).mode, RunMode::Settings);
    const CommandLine root = CommandLine::parse("-root", std::string("garbage"));
    EXPECT_TRUE(root.hosted);
    EXPECT_EQ(root.parentWindow, 0);
}

TEST(CommandLineTest, WindowOptionRunsTheSaverWindowed) {
    const CommandLine line = parsed("--window");
    EXPECT_EQ(line.mode, RunMode::Saver);
    EXPECT_TRUE(line.windowed);
    EXPECT_FALSE(parsed("--window /s").windowed);
    EXPECT_EQ(parsed("--window /c").mode, RunMode::Settings);
    EXPECT_FALSE(parsed("-root --window").hosted);
}

TEST(CommandLineTest, SettingWordsAreGatheredWithTheirValues) {
    using Argument = CommandLine::SettingArgument;
    const CommandLine line = parsed("-root --density 40 --no-sound --wind-angle 90 --lightning");
    EXPECT_TRUE(line.hosted);
    EXPECT_EQ(line.settings, (std::vector<Argument>{{"density", "40"},
                                                    {"no-sound", std::nullopt},
                                                    {"wind-angle", "90"},
                                                    {"lightning", std::nullopt}}));
    // A value that is missing at the end stays missing, for the settings to complain about.
    EXPECT_EQ(parsed("/s --speed").settings, (std::vector<Argument>{{"speed", std::nullopt}}));
}

TEST(CommandLineTest, SettingWordsNeedTwoDashesAndAKnownName) {
    // One dash and "c" is the settings mode, as it always was.
    EXPECT_EQ(parsed("-cpu-load 40").mode, RunMode::Settings);
    EXPECT_TRUE(parsed("-cpu-load 40").settings.empty());
    EXPECT_TRUE(parsed("/s -density 40 --colour 7 --fps").settings.empty());
    EXPECT_EQ(parsed("/s --bogus /c").mode, RunMode::Settings);
}

} // namespace
