#include "tweaks/autorun.h"

namespace tavrel {

std::wstring QuotedProgramPath(const std::wstring& programPath) {
    return L"\"" + programPath + L"\"";
}

}  // namespace tavrel
