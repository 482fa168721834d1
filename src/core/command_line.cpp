#include "core/command_line.h"

#include <array>
#include <limits>

namespace tavrel {

const wchar_t kCommandLineHelp[] =
    L"Tavrel 命令行用法：tavrel.exe 命令 [参数]\r\n"
    L"命令以 / 或 - 开头，不区分大小写，每次一个：\r\n"
    L"\r\n"
    L"/arrange N　　执行第 N 种排列并设为当前排列（1～29 "
    L"为内置排列，其后依次是自定义字符和自定排列方案的编号）\r\n"
    L"/restore 名称　　恢复以此名称保存的自定排列方案\r\n"
    L"/save 名称　　把现在的图标位置保存为此名称的自定排列方案\r\n"
    L"/hide　　隐藏所有桌面图标\r\n"
    L"/show　　显示所有桌面图标\r\n"
    L"/exit　　退出正在运行的 Tavrel\r\n"
    L"/uninstall　　询问后清除 Tavrel "
    L"的自动运行项、指向本程序的快捷方式和注册表中的全部设置，然后退出\r\n"
    L"/?　　显示本说明\r\n"
    L"\r\n"
    L"名称中有空格时请加英文双引号，例如：tavrel.exe /restore \"我的 排列\"\r\n"
    L"Tavrel 已在运行时，命令交给正在运行的 Tavrel 执行；否则 Tavrel "
    L"照常启动，启动完成后执行命令。\r\n"
    L"退出码：0 成功；1 命令失败（没有这种排列或方案、名称已存在、正在运行的 Tavrel "
    L"没有应答或拒绝）；2 用法错误。";

namespace {

constexpr bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

// ASCII letters only: the command words are ASCII, and no other letter may
// pass for one of them.
constexpr wchar_t AsciiLower(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool SameWord(std::wstring_view text, std::wstring_view word) {
    if (text.size() != word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (AsciiLower(text[i]) != word[i]) {
            return false;
        }
    }
    return true;
}

struct CommandWord {
    std::wstring_view word;
    CommandKind kind;
};

constexpr std::array<CommandWord, 8> kCommandWords = {{
    {L"arrange", CommandKind::kArrange},
    {L"restore", CommandKind::kRestore},
    {L"save", CommandKind::kSave},
    {L"hide", CommandKind::kHide},
    {L"show", CommandKind::kShow},
    {L"exit", CommandKind::kExit},
    {L"uninstall", CommandKind::kUninstall},
    {L"?", CommandKind::kHelp},
}};

std::optional<CommandKind> KindOf(std::wstring_view argument) {
    if (argument.size() < 2 || (argument.front() != L'/' && argument.front() != L'-')) {
        return std::nullopt;
    }
    for (const CommandWord& word : kCommandWords) {
        if (SameWord(argument.substr(1), word.word)) {
            return word.kind;
        }
    }
    return std::nullopt;
}

// Decimal digits only, from 1 to the largest 32-bit number; leading zeros
// change nothing.
std::optional<std::int32_t> ArrangementNumber(const std::wstring& text) {
    if (text.empty()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') {
            return std::nullopt;
        }
        value = value * 10 + (c - L'0');
        if (value > std::numeric_limits<std::int32_t>::max()) {
            return std::nullopt;
        }
    }
    if (value < 1) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

// What the input box could have taken: one line, not empty, not longer than
// the box, and text the registry keeps as it is.
bool IsLayoutName(const std::wstring& name) {
    if (name.empty() || name.size() > kMaxLayoutNameLength || !IsWellFormedText(name)) {
        return false;
    }
    for (wchar_t c : name) {
        if (c < 0x20 || c == 0x7F) {
            return false;
        }
    }
    return true;
}

// Quoted so that SplitArguments gives back exactly this text.
std::wstring Quoted(const std::wstring& text) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : text) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        if (c == L'"') {
            quoted.append(backslashes * 2 + 1, L'\\');
        } else {
            quoted.append(backslashes, L'\\');
        }
        backslashes = 0;
        quoted.push_back(c);
    }
    quoted.append(backslashes * 2, L'\\');
    quoted.push_back(L'"');
    return quoted;
}

constexpr bool IsHighSurrogate(std::uint32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
constexpr bool IsLowSurrogate(std::uint32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

std::wstring_view ArgumentsAfterProgramName(std::wstring_view commandLine) {
    std::size_t end = 0;
    if (!commandLine.empty() && commandLine.front() == L'"') {
        end = commandLine.find(L'"', 1);
        end = end == std::wstring_view::npos ? commandLine.size() : end + 1;
    } else {
        while (end < commandLine.size() && !IsBlank(commandLine[end])) {
            ++end;
        }
    }
    return commandLine.substr(end);
}

std::vector<std::wstring> SplitArguments(std::wstring_view arguments) {
    std::vector<std::wstring> result;
    std::size_t i = 0;
    for (;;) {
        while (i < arguments.size() && IsBlank(arguments[i])) {
            ++i;
        }
        if (i == arguments.size()) {
            return result;
        }
        std::wstring argument;
        bool quoted = false;
        while (i < arguments.size() && (quoted || !IsBlank(arguments[i]))) {
            const wchar_t c = arguments[i];
            if (c == L'\\') {
                std::size_t backslashes = 0;
                while (i < arguments.size() && arguments[i] == L'\\') {
                    ++backslashes;
                    ++i;
                }
                if (i < arguments.size() && arguments[i] == L'"') {
                    argument.append(backslashes / 2, L'\\');
                    if (backslashes % 2 == 1) {
                        argument.push_back(L'"');
                        ++i;
                    }
                } else {
                    argument.append(backslashes, L'\\');
                }
            } else if (c == L'"') {
                if (quoted && i + 1 < arguments.size() && arguments[i + 1] == L'"') {
                    argument.push_back(L'"');
                    i += 2;
                } else {
                    quoted = !quoted;
                    ++i;
                }
            } else {
                argument.push_back(c);
                ++i;
            }
        }
        result.push_back(std::move(argument));
    }
}

ParsedCommandLine ParseCommandLine(std::wstring_view arguments) {
    const ParsedCommandLine kWrong{CommandLineResult::kWrongUsage, {}};
    if (arguments.size() > kMaxCommandLineLength) {
        return kWrong;
    }
    const std::vector<std::wstring> words = SplitArguments(arguments);
    if (words.empty()) {
        return {};
    }
    const std::optional<CommandKind> kind = KindOf(words.front());
    if (!kind) {
        return kWrong;
    }
    ParsedCommandLine parsed{CommandLineResult::kCommand, {*kind, 0, L""}};
    switch (*kind) {
        case CommandKind::kArrange: {
            const std::optional<std::int32_t> number =
                words.size() == 2 ? ArrangementNumber(words[1]) : std::nullopt;
            if (!number) {
                return kWrong;
            }
            parsed.command.number = *number;
            return parsed;
        }
        case CommandKind::kRestore:
        case CommandKind::kSave:
            if (words.size() != 2 || !IsLayoutName(words[1])) {
                return kWrong;
            }
            parsed.command.name = words[1];
            return parsed;
        default:
            return words.size() == 1 ? parsed : kWrong;
    }
}

std::wstring CommandLineText(const ProgramCommand& command) {
    for (const CommandWord& word : kCommandWords) {
        if (word.kind != command.kind) {
            continue;
        }
        std::wstring text = L"/" + std::wstring(word.word);
        if (command.kind == CommandKind::kArrange) {
            text += L" " + std::to_wstring(command.number);
        } else if (command.kind == CommandKind::kRestore || command.kind == CommandKind::kSave) {
            text += L" " + Quoted(command.name);
        }
        return text;
    }
    return L"";
}

bool IsWellFormedText(std::wstring_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto unit = static_cast<std::uint32_t>(text[i]);
        if (unit == 0) {
            return false;
        }
        if constexpr (sizeof(wchar_t) == 2) {
            if (IsHighSurrogate(unit) && i + 1 < text.size() &&
                IsLowSurrogate(static_cast<std::uint32_t>(text[i + 1]))) {
                ++i;
                continue;
            }
            if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
                return false;
            }
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit) || unit > 0x10FFFF) {
            return false;
        }
    }
    return true;
}

std::vector<std::uint8_t> EncodeHandedText(std::wstring_view text) {
    std::vector<std::uint8_t> bytes;
    const auto put = [&bytes](std::uint32_t unit) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8 & 0xFF));
    };
    for (wchar_t c : text) {
        const auto point = static_cast<std::uint32_t>(c);
        if (point > 0xFFFF) {
            put(0xD800 + ((point - 0x10000) >> 10));
            put(0xDC00 + ((point - 0x10000) & 0x3FF));
        } else {
            put(point);
        }
    }
    return bytes;
}

std::optional<std::wstring> DecodeHandedText(const std::uint8_t* bytes, std::size_t size) {
    if (bytes == nullptr || size == 0 || size % 2 != 0 || size / 2 > kMaxCommandLineLength) {
        return std::nullopt;
    }
    std::wstring text;
    text.reserve(size / 2);
    for (std::size_t i = 0; i < size; i += 2) {
        const std::uint32_t unit =
            static_cast<std::uint32_t>(bytes[i]) | static_cast<std::uint32_t>(bytes[i + 1]) << 8;
        if constexpr (sizeof(wchar_t) == 2) {
            text.push_back(static_cast<wchar_t>(unit));
        } else if (IsLowSurrogate(unit) && !text.empty() &&
                   IsHighSurrogate(static_cast<std::uint32_t>(text.back()))) {
            // Where wchar_t holds code points, a pair becomes one.
            const auto high = static_cast<std::uint32_t>(text.back());
            text.back() = static_cast<wchar_t>(0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
        } else {
            text.push_back(static_cast<wchar_t>(unit));
        }
    }
    if (!IsWellFormedText(text)) {
        return std::nullopt;
    }
    return text;
}

}  // namespace tavrel
