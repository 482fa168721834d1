// The one error type of commands: its text is what the user is shown by
// the general error report, exactly.
#pragma once

#include <exception>
#include <string>

namespace tavrel {

class Error : public std::exception {
  public:
    explicit Error(std::wstring message) : message_(std::move(message)) {}
    const std::wstring& message() const { return message_; }
    const char* what() const noexcept override { return "tavrel::Error"; }

  private:
    std::wstring message_;
};

// The registry's failures, with the texts the user has always seen.
Error FailedToGetData(const std::wstring& valueName);
Error InvalidDataType(const std::wstring& valueName);
Error FailedToSetData(const std::wstring& valueName);
Error FailedToCreateKey(const std::wstring& keyPath);
Error FailedToDeleteKey(const std::wstring& keyPath);
// Text where a whole number belongs.
Error NotAnInteger(const std::wstring& text);

}  // namespace tavrel
