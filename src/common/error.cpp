#include "common/error.h"

namespace tavrel {

Error FailedToGetData(const std::wstring& valueName) {
    return Error(L"Failed to get data for '" + valueName + L"'");
}

Error InvalidDataType(const std::wstring& valueName) {
    return Error(L"Invalid data type for '" + valueName + L"'");
}

Error FailedToSetData(const std::wstring& valueName) {
    return Error(L"Failed to set data for '" + valueName + L"'");
}

Error FailedToCreateKey(const std::wstring& keyPath) {
    return Error(L"Failed to create key " + keyPath);
}

Error FailedToDeleteKey(const std::wstring& keyPath) {
    return Error(L"Failed to delete key " + keyPath);
}

Error NotAnInteger(const std::wstring& text) {
    return Error(L"'" + text + L"' is not a valid integer value");
}

}  // namespace tavrel
