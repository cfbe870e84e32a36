#include "framework/core/Exceptions.h"

#include <cstdarg>
#include <cstdio>

namespace skl {

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    std::string text(length > 0 ? length : 0, '\0');
    if (length > 0) std::vsnprintf(text.data(), text.size() + 1, format, args);
    va_end(args);
    return text;
}

std::string ReportText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
    return message;
}

}  // namespace skl
