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

// Tests only. While manual, WaitTimer never runs out by itself: a pending time-out waits
// for FireWaitTimer, which the test calls once the reply is surely missing, so a slow
// machine cannot turn a late reply into a lost one. The program runs the 300 ms timer.
void SetWaitTimerManual(bool manual);
// Runs the pending time-out as WaitTimer's tick does; false when none is pending.
bool FireWaitTimer();

}  // namespace ModComm
