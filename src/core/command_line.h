// The commands a script, a shortcut or a scheduled task gives the program
// on its command line, and the form in which a second copy hands one to
// the copy that runs.
//
// One command, written with "/" or "-", case-insensitive:
//   /arrange N   /restore NAME   /save NAME   /hide   /show   /exit
//   /uninstall   /?
// Arguments are split as the C runtime splits them, so a name with blanks
// is written in double quotes. Nothing here trusts its input: whatever the
// text, the result is a command, no command, or wrong usage.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel {

enum class CommandKind { kArrange, kRestore, kSave, kHide, kShow, kExit, kUninstall, kHelp };

struct ProgramCommand {
    CommandKind kind = CommandKind::kHelp;
    // /arrange: the arrangement number, 1 or more.
    std::int32_t number = 0;
    // /restore and /save: the layout's name.
    std::wstring name;

    bool operator==(const ProgramCommand&) const = default;
};

enum class CommandLineResult {
    // Nothing but blanks: the program starts as it always has.
    kNoCommand,
    kCommand,
    // An unknown command, a missing, extra or malformed argument.
    kWrongUsage,
};

struct ParsedCommandLine {
    CommandLineResult result = CommandLineResult::kNoCommand;
    ProgramCommand command;
};

// Exit codes of a copy started with a command.
inline constexpr int kExitDone = 0;
// No such arrangement or layout, a name already saved, no answer from the
// running copy within the time, or a running copy that refused.
inline constexpr int kExitFailed = 1;
inline constexpr int kExitWrongUsage = 2;

// A layout's name takes at most as many characters as the save command's
// input box.
inline constexpr std::size_t kMaxLayoutNameLength = 255;
// Longer command lines (and longer handed texts) hold no command.
inline constexpr std::size_t kMaxCommandLineLength = 2048;

// The notice of /? and of wrong usage, in the program's language.
extern const wchar_t kCommandLineHelp[];

// The command line without the program's name, skipped as the system
// skips it: up to the first blank or tab, or, when it begins with a double
// quote, up to the next one.
std::wstring_view ArgumentsAfterProgramName(std::wstring_view commandLine);

// Splits arguments as the C runtime does: blanks and tabs separate them,
// double quotes group them ("" inside quotes is one quote), 2n backslashes
// before a quote are n backslashes, 2n + 1 are n and a literal quote, and
// other backslashes are themselves.
std::vector<std::wstring> SplitArguments(std::wstring_view arguments);

ParsedCommandLine ParseCommandLine(std::wstring_view arguments);

// The command as a command line that ParseCommandLine reads back as the very
// same command; what a second copy hands to the running one.
std::wstring CommandLineText(const ProgramCommand& command);

// Whether a text is well-formed UTF-16 (every surrogate in a pair; where
// wchar_t holds code points, none is a surrogate) and holds no NUL.
bool IsWellFormedText(std::wstring_view text);

// A handed text as bytes, UTF-16 little-endian without a terminator; and
// back, only when the bytes are exactly that: an even count of at most
// kMaxCommandLineLength units, none of them NUL, surrogates paired.
std::vector<std::uint8_t> EncodeHandedText(std::wstring_view text);
std::optional<std::wstring> DecodeHandedText(const std::uint8_t* bytes, std::size_t size);

}  // namespace tavrel
