#pragma once
// The link's serial control MSComm1 and its reply timer WaitTimer. Both belong to the link
// alone: MSComm1's receive event goes to ModComm::MSComm1_OnComm, WaitTimer's tick to
// ModComm::WaitTimer_Timer, and only the link switches the timer on or off, so no window
// event (a resize, a minimised main window) can take a running transfer's time-out away.
//
// Both objects are made on first use, as children of the application object when there is
// one (they go with it), and live on the UI thread.
class MSComm;

namespace ModComm {

MSComm& MSComm1();

// Whether a reply time-out is pending.
bool IsWaitTimerOn();

// Tests only: the reply time-out in milliseconds; the program keeps 300.
void SetWaitTimerInterval(int ms);
int WaitTimerInterval();

}  // namespace ModComm
