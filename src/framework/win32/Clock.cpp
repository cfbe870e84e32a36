#include "framework/system/Clock.h"

#include <windows.h>

namespace skl {

TSystemTime UniversalTimeOfDay() {
    SYSTEMTIME time;
    GetSystemTime(&time);
    return {time.wHour, time.wMinute, time.wSecond, time.wMilliseconds};
}

}  // namespace skl
