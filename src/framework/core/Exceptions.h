#pragma once
// The framework's failure classes. Every failure carries its message text;
// EAbort is the silent one that the failure report never shows.
#include <exception>
#include <string>

namespace skl {

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

#define SKL_EXCEPTION(Name, Base)        \
    class Name : public Base {           \
    public:                              \
        using Base::Base;                \
    }

SKL_EXCEPTION(EAbort, Exception);
SKL_EXCEPTION(EStreamError, Exception);
SKL_EXCEPTION(EFCreateError, EStreamError);
SKL_EXCEPTION(EFOpenError, EStreamError);
SKL_EXCEPTION(EFilerError, EStreamError);
SKL_EXCEPTION(EReadError, EFilerError);
SKL_EXCEPTION(EWriteError, EFilerError);
SKL_EXCEPTION(EConvertError, Exception);
SKL_EXCEPTION(EInvalidGraphic, Exception);
SKL_EXCEPTION(EInvalidGraphicOperation, Exception);
SKL_EXCEPTION(EOutOfResources, Exception);
SKL_EXCEPTION(EListError, Exception);
SKL_EXCEPTION(EThread, Exception);


// Message texts of the framework's failures.
inline constexpr const char* SFCreateError = "Cannot create file %s";
inline constexpr const char* SFOpenError = "Cannot open file %s";
inline constexpr const char* SReadError = "Stream read error";
inline constexpr const char* SWriteError = "Stream write error";
inline constexpr const char* SMemoryStreamError = "Out of memory while expanding memory stream";
inline constexpr const char* SAssignError = "Cannot assign a %s to a %s";
inline constexpr const char* SOutOfResources = "Out of system resources";
inline constexpr const char* SListIndexError = "List index out of bounds (%d)";
inline constexpr const char* SThreadCreateError = "Thread creation error: %s";

// printf-style formatting of a message text.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The uniform failure report's text: the message, with a full stop added when
// its last character sorts after "." in the 8-bit character order.
std::string ReportText(const std::string& message);

}  // namespace skl
