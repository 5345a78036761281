#include "app/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

CommandLine parse(std::vector<const char*> args) {
    args.insert(args.begin(), "quarrik");
    return parse_command_line(static_cast<int>(args.size()), args.data());
}

TEST(CommandLine, OptionsAreReadAndAnythingElseIsABadLine) {
    EXPECT_EQ(parse({}).action, CommandLine::Action::play);
    EXPECT_EQ(parse({}).fullscreen, -1);
    EXPECT_EQ(parse({"--window", "--help", "--bogus"}).action, CommandLine::Action::help);
    EXPECT_EQ(parse({"--version"}).action, CommandLine::Action::version);

    const CommandLine line = parse({"--fullscreen", "--data-dir", "d", "--user-dir=u"});
    EXPECT_EQ(line.action, CommandLine::Action::play);
    EXPECT_EQ(line.fullscreen, 1);
    EXPECT_EQ(line.paths.data_dir, "d");
    EXPECT_EQ(line.paths.user_dir, "u");
    EXPECT_EQ(parse({"--fullscreen", "--window"}).fullscreen, 0);  // the last one counts

    for (const auto& bad : std::vector<std::vector<const char*>>{
             {"--bogus"}, {"extra"}, {"--user-dir"}, {"--data-dir", ""}, {"--user-dir="}}) {
        const CommandLine wrong = parse(bad);
        EXPECT_EQ(wrong.action, CommandLine::Action::bad) << bad[0];
        EXPECT_FALSE(wrong.error.empty());
    }
}

TEST(CommandLine, VersionLineCarriesTheProjectVersion) {
    const std::string line = version_line();
    EXPECT_EQ(line.rfind("quarrik ", 0), 0u);
    // X.Y.Z
    int dots = 0;
    for (char c : line.substr(8)) {
        dots += c == '.';
        EXPECT_TRUE(c == '.' || (c >= '0' && c <= '9')) << line;
    }
    EXPECT_EQ(dots, 2) << line;
    EXPECT_NE(usage_text().find("--user-dir"), std::string::npos);
}

}  // namespace
