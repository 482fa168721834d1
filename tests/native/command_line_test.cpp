// The command line of scripts and shortcuts: every malformed form is wrong
// usage, never a command, and what a second copy hands over reads back as
// the very command it was.
#include "core/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrel {
namespace {

ProgramCommand Command(CommandKind kind, std::int32_t number = 0, std::wstring name = L"") {
    return {kind, number, std::move(name)};
}

void ExpectCommand(const std::wstring& line, const ProgramCommand& command) {
    const ParsedCommandLine parsed = ParseCommandLine(line);
    EXPECT_EQ(parsed.result, CommandLineResult::kCommand) << ::testing::PrintToString(line);
    EXPECT_TRUE(parsed.command == command) << ::testing::PrintToString(line);
}

TEST(CommandLine, TheProgramNameIsSkippedAsTheSystemSkipsIt) {
    EXPECT_EQ(ArgumentsAfterProgramName(L"\"C:\\Program Files\\Tavrel\\tavrel.exe\" /arrange 5"),
              L" /arrange 5");
    EXPECT_EQ(ArgumentsAfterProgramName(L"C:\\Tavrel\\tavrel.exe\t/hide"), L"\t/hide");
    EXPECT_EQ(ArgumentsAfterProgramName(L"tavrel.exe"), L"");
    EXPECT_EQ(ArgumentsAfterProgramName(L"\"C:\\unclosed /hide"), L"")
        << "the name runs to the end";
    EXPECT_EQ(ArgumentsAfterProgramName(L""), L"");
}

TEST(CommandLine, ArgumentsSplitAsTheRuntimeSplitsThem) {
    using Words = std::vector<std::wstring>;
    EXPECT_EQ(SplitArguments(L"  /save \t \"我的 排列\"  "), (Words{L"/save", L"我的 排列"}));
    EXPECT_EQ(SplitArguments(L"a\"b c\"d"), (Words{L"ab cd"})) << "quotes group inside a word";
    EXPECT_EQ(SplitArguments(L"\"\""), (Words{L""})) << "an empty argument is one";
    EXPECT_EQ(SplitArguments(L"\"a\"\"b\""), (Words{L"a\"b"})) << "\"\" inside quotes";
    EXPECT_EQ(SplitArguments(L"a\\\\\"b c\""), (Words{L"a\\b c"})) << "2n backslashes and a quote";
    EXPECT_EQ(SplitArguments(L"a\\\\\\\"b"), (Words{L"a\\\"b"}))
        << "2n + 1 backslashes and a quote";
    EXPECT_EQ(SplitArguments(L"C:\\dir\\ x"), (Words{L"C:\\dir\\", L"x"}))
        << "other backslashes stay";
    EXPECT_EQ(SplitArguments(L"\"open to the end"), (Words{L"open to the end"}));
    EXPECT_EQ(SplitArguments(L" \t "), Words{});
}

TEST(CommandLine, EveryCommandWithEitherPrefixInAnyCase) {
    ExpectCommand(L"/arrange 5", Command(CommandKind::kArrange, 5));
    ExpectCommand(L"-ARRANGE 29", Command(CommandKind::kArrange, 29));
    ExpectCommand(L"/Arrange 007", Command(CommandKind::kArrange, 7));
    ExpectCommand(L"/arrange 2147483647", Command(CommandKind::kArrange, 2147483647));
    ExpectCommand(L"/restore \"我的 排列\"", Command(CommandKind::kRestore, 0, L"我的 排列"));
    ExpectCommand(L"-RESTORE 工作", Command(CommandKind::kRestore, 0, L"工作"));
    ExpectCommand(L"/save \" 前后有空格 \"", Command(CommandKind::kSave, 0, L" 前后有空格 "));
    ExpectCommand(L"/save " + std::wstring(kMaxLayoutNameLength, L'名'),
                  Command(CommandKind::kSave, 0, std::wstring(kMaxLayoutNameLength, L'名')));
    ExpectCommand(L"\t/hide  ", Command(CommandKind::kHide));
    ExpectCommand(L"-Show", Command(CommandKind::kShow));
    ExpectCommand(L"/EXIT", Command(CommandKind::kExit));
    ExpectCommand(L"-uninstall", Command(CommandKind::kUninstall));
    ExpectCommand(L"/?", Command(CommandKind::kHelp));
    ExpectCommand(L"-?", Command(CommandKind::kHelp));
    EXPECT_EQ(ParseCommandLine(L"").result, CommandLineResult::kNoCommand);
    EXPECT_EQ(ParseCommandLine(L"  \t ").result, CommandLineResult::kNoCommand);
}

TEST(CommandLine, MalformedFormsAreWrongUsage) {
    const std::wstring unpaired(1, static_cast<wchar_t>(0xD800));
    const std::vector<std::wstring> lines = {
        // no such command, or not written as one
        L"arrange 5",
        L"//arrange 5",
        L"--arrange 5",
        L"\\arrange 5",
        L"／arrange 5",
        L"/ arrange 5",
        L"/",
        L"-",
        L"\"\"",
        L"\" \"",
        L"/uninstal",
        L"/uninstalll",
        L"/hidé",
        L"/EXİT",
        L"/?x",
        L"/？",
        L"/help",
        L"/arrange5",
        // numbers
        L"/arrange",
        L"/arrange 0",
        L"/arrange 00",
        L"/arrange -1",
        L"/arrange +5",
        L"/arrange 5.0",
        L"/arrange 0x10",
        L"/arrange ５",
        L"/arrange 2147483648",
        L"/arrange 99999999999999999999",
        L"/arrange \"\"",
        L"/arrange \" 5\"",
        L"/arrange 5 6",
        L"/arrange 5 /hide",
        // names
        L"/restore",
        L"/restore \"\"",
        L"/restore 我的 排列",
        L"/save",
        L"/save \"\"",
        L"/save " + std::wstring(kMaxLayoutNameLength + 1, L'x'),
        L"/save \"a\tb\"",
        L"/save \"a\x7F\"",
        L"/save \"a\x1B\"",
        L"/restore " + unpaired,
        L"/save a" + unpaired + L"b",
        // extra arguments, two commands
        L"/hide now",
        L"/exit /exit",
        L"/hide /show",
        L"/? /hide",
        L"/uninstall \"\"",
        // far too long
        L"/hide" + std::wstring(kMaxCommandLineLength, L' '),
    };
    for (const std::wstring& line : lines) {
        EXPECT_EQ(ParseCommandLine(line).result, CommandLineResult::kWrongUsage)
            << ::testing::PrintToString(line);
    }
}

TEST(CommandLine, WhatIsHandedOnReadsBackAsTheSameCommand) {
    const std::vector<ProgramCommand> commands = {
        Command(CommandKind::kArrange, 1),
        Command(CommandKind::kArrange, 2147483647),
        Command(CommandKind::kRestore, 0, L"工作 布局"),
        Command(CommandKind::kRestore, 0, L"a\"b"),
        Command(CommandKind::kSave, 0, L"ends in a backslash\\"),
        Command(CommandKind::kSave, 0, L"\\\\\"\\ \" x"),
        Command(CommandKind::kSave, 0, L" "),
        Command(CommandKind::kSave, 0, std::wstring(kMaxLayoutNameLength, L'"')),
        Command(CommandKind::kHide),
        Command(CommandKind::kShow),
        Command(CommandKind::kExit),
        Command(CommandKind::kUninstall),
    };
    for (const ProgramCommand& command : commands) {
        const std::wstring text = CommandLineText(command);
        EXPECT_TRUE(ParseCommandLine(text).command == command) << ::testing::PrintToString(text);
        EXPECT_EQ(ParseCommandLine(text).result, CommandLineResult::kCommand)
            << ::testing::PrintToString(text);
        const std::vector<std::uint8_t> bytes = EncodeHandedText(text);
        EXPECT_EQ(DecodeHandedText(bytes.data(), bytes.size()), std::optional(text));
    }
    EXPECT_EQ(CommandLineText(Command(CommandKind::kSave, 0, L"我的 排列")),
              L"/save \"我的 排列\"");
}

TEST(CommandLine, OnlyWellFormedHandedTextIsRead) {
    const auto decode = [](std::vector<std::uint8_t> bytes) {
        return DecodeHandedText(bytes.data(), bytes.size());
    };
    EXPECT_EQ(decode({'/', 0, 'e', 0, 'x', 0, 'i', 0, 't', 0}),
              std::optional<std::wstring>(L"/exit"));
    EXPECT_EQ(decode({0x3D, 0xD8, 0x00, 0xDE}), std::optional<std::wstring>(L"\U0001F600"))
        << "a pair";
    EXPECT_EQ(decode({}), std::nullopt) << "nothing";
    EXPECT_EQ(DecodeHandedText(nullptr, 4), std::nullopt);
    EXPECT_EQ(decode({'/', 0, 'e'}), std::nullopt) << "an odd size";
    EXPECT_EQ(decode({'/', 0, 0, 0, 'e', 0}), std::nullopt) << "a NUL inside";
    EXPECT_EQ(decode({'/', 0, 'e', 0, 0, 0}), std::nullopt) << "a terminating NUL";
    EXPECT_EQ(decode({'a', 0, 0x3D, 0xD8}), std::nullopt) << "a high surrogate at the end";
    EXPECT_EQ(decode({0x3D, 0xD8, 'a', 0}), std::nullopt) << "a high surrogate alone";
    EXPECT_EQ(decode({0x00, 0xDE, 0x3D, 0xD8}), std::nullopt) << "a pair the wrong way round";
    EXPECT_EQ(decode({0x00, 0xDE}), std::nullopt) << "a low surrogate alone";
    std::vector<std::uint8_t> longest(kMaxCommandLineLength * 2, ' ');
    EXPECT_TRUE(decode(longest).has_value());
    longest.insert(longest.end(), {' ', 0});
    EXPECT_EQ(decode(longest), std::nullopt) << "longer than any command line";
}

TEST(CommandLine, TheNoticeNamesEveryCommandAndTheExitCodes) {
    const std::wstring help = kCommandLineHelp;
    for (const wchar_t* word :
         {L"/arrange N", L"/restore 名称", L"/save 名称", L"/hide", L"/show", L"/exit",
          L"/uninstall", L"/?", L"0 成功", L"1 命令失败", L"2 用法错误"}) {
        EXPECT_NE(help.find(word), std::wstring::npos)
            << ::testing::PrintToString(std::wstring(word));
    }
}

}  // namespace
}  // namespace tavrel
