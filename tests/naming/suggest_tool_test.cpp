// The suggestion tool as a shell runs it, against the store the build made.
#include "temp_store.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <sstream>
#include <vector>

namespace {

struct ToolRun {
    int status = -1;
    std::string out, err;
};

// Runs babyname-suggest with the arguments (shell words) and the standard output sent to
// 'output' (a redirection; by default a file that is read back).
ToolRun RunTool(const std::string& arguments, const std::string& output = "") {
    TempDir dir;
    const std::string command = std::string(BABYNAME_BUILD_DIR) + "/babyname-suggest " + arguments +
                                " " + (output.empty() ? ">" + dir.File("out") : output) + " 2>" +
                                dir.File("err");
    const int rc = std::system(command.c_str());
    ToolRun run;
    run.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    run.out = ReadFileBytes(dir.File("out"));
    run.err = ReadFileBytes(dir.File("err"));
    return run;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        parts.push_back(part);
    return parts;
}

TEST(SuggestTool, ReadingsFollowEachNameAndTheGridStaysAsItWas) {
    const std::string args = "--family 单 --sex 女 --length 三字";
    const ToolRun plain = RunTool(args), read = RunTool(args + " --readings");
    ASSERT_EQ(read.status, 0) << read.err;
    const auto plainLines = Split(plain.out, '\n'), readLines = Split(read.out, '\n');
    ASSERT_EQ(readLines.size(), 11u);
    ASSERT_EQ(plainLines.size(), 11u);
    for (std::size_t row = 0; row < readLines.size(); ++row) {
        const auto cells = Split(readLines[row], '\t'), names = Split(plainLines[row], '\t');
        ASSERT_EQ(cells.size(), 6u) << readLines[row];
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const auto words = Split(cells[i], ' ');
            ASSERT_EQ(words.size(), 4u) << cells[i]; // the name and three syllables
            EXPECT_EQ(words[0], names[i]);
            EXPECT_EQ(words[0].substr(0, 3), "单");
            EXPECT_EQ(words[1], "shàn");
        }
    }
}

TEST(SuggestTool, HelpIsNoError) {
    const ToolRun help = RunTool("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: babyname-suggest", 0), 0u) << help.out;
    EXPECT_EQ(help.err, "");
}

TEST(SuggestTool, EveryFailureExitsOneWithOneLine) {
    const std::pair<std::string, std::string> cases[] = {
        {"--family 王 --sex X --length 三字", "the sex must be 男 or 女"},
        {"--family 王 --sex 男 --length 三字 foo", "unexpected argument foo"},
        {"--family 王 --sex 男 --length 三字 --colour red", "unknown option --colour"},
        {"--family 王 --sex 男 --length", "missing value after --length"},
        {"--family \"$(printf '王\\t')\" --sex 男 --length 三字", "tab or a line break"},
        {"--family \"$(printf '王\\nx')\" --sex 男 --length 三字", "tab or a line break"},
        {"--family 王 --sex 男 --length 三字 --presses 0", "--presses"},
        {"--family 王 --sex 男 --length 三字 --store /nonexistent/x.dat", "/nonexistent/x.dat"},
    };
    for (const auto& [args, message] : cases) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.status, 1) << args;
        EXPECT_EQ(run.out, "") << args;
        EXPECT_NE(run.err.find(message), std::string::npos) << args << ": " << run.err;
        EXPECT_EQ(Split(run.err, '\n').size(), 1u) << run.err;
    }
}

TEST(SuggestTool, LostOutputIsAnError) {
    for (const char* output : {">/dev/full", ">&-"}) {
        const ToolRun run = RunTool("--family 王 --sex 男 --length 三字 --presses 3", output);
        EXPECT_EQ(run.status, 1) << output;
        EXPECT_NE(run.err.find("output could not be written"), std::string::npos) << run.err;
    }
    EXPECT_EQ(RunTool("--help", ">/dev/full").status, 1);
}

} // namespace
