#pragma once
// The system's sounds.
namespace skl {

// The default beep, as for a refused key.
void Beep();

}  // namespace skl
