#pragma once
// Event slots shared by the components and the forms' handlers. An unset slot
// is skipped.
#include <cstdint>
#include <functional>
#include <initializer_list>

namespace skl {

class TComponent;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Bit positions of the flags in a TShiftState.
enum TShiftFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };

// The keys and buttons held during a mouse event, and the double-click flag.
class TShiftState {
public:
    constexpr TShiftState() = default;
    constexpr TShiftState(std::initializer_list<TShiftFlag> flags) {
        for (TShiftFlag flag : flags) Include(flag);
    }
    constexpr TShiftState& Include(TShiftFlag flag) {
        bits_ |= static_cast<std::uint8_t>(1u << flag);
        return *this;
    }
    constexpr bool Contains(TShiftFlag flag) const { return (bits_ >> flag) & 1u; }
    constexpr std::uint8_t Bits() const { return bits_; }
    friend constexpr TShiftState operator+(TShiftState state, TShiftFlag flag) { return state.Include(flag); }
    friend constexpr bool operator==(TShiftState, TShiftState) = default;

private:
    std::uint8_t bits_ = 0;
};

using TNotifyEvent = std::function<void(TComponent& Sender)>;
using TMouseEvent = std::function<void(TComponent& Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TComponent& Sender, TShiftState Shift, int X, int Y)>;

}  // namespace skl
