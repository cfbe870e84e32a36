#pragma once
// Event types shared by the components and the window's handlers.
#include <cstdint>
#include <functional>

namespace skl {

class TComponent;

enum class TMouseButton : std::uint8_t { mbLeft = 0, mbRight = 1, mbMiddle = 2 };

// Flags by bit position: Shift 0, Alt 1, Ctrl 2, left 3, right 4, middle 5, double click 6.
using TShiftState = std::uint8_t;
inline constexpr TShiftState ssShift = 1 << 0;
inline constexpr TShiftState ssAlt = 1 << 1;
inline constexpr TShiftState ssCtrl = 1 << 2;
inline constexpr TShiftState ssLeft = 1 << 3;
inline constexpr TShiftState ssRight = 1 << 4;
inline constexpr TShiftState ssMiddle = 1 << 5;
inline constexpr TShiftState ssDouble = 1 << 6;

using TNotifyEvent = std::function<void(TComponent& sender)>;
using TMouseEvent =
    std::function<void(TComponent& sender, TMouseButton button, TShiftState shift, std::int32_t x, std::int32_t y)>;
using TMouseMoveEvent = std::function<void(TComponent& sender, TShiftState shift, std::int32_t x, std::int32_t y)>;

}  // namespace skl
