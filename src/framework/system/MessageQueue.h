#pragma once
// The message queue of the user-interface thread, as the system keeps it.

namespace skl {

enum class TDispatch { NoneWaiting, Dispatched, Quit };

// Makes the calling thread the user-interface thread (COM, painting at the
// screen's resolution); false when COM could not be started, which
// EndUserInterfaceThread then leaves alone.
bool BeginUserInterfaceThread();
void EndUserInterfaceThread();

// Hands the next waiting message to its window, through the keyboard
// interface of a dialog where a visible window holds controls.
TDispatch DispatchWaitingMessage();
// Waits for the next message; false when none can come any more.
bool WaitForMessage();
// Ends the loop once the messages posted before are handled.
void PostQuitMessage();

}  // namespace skl
