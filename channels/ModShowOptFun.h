#pragma once
// Channel counts and the default channels of an empty channel table.
namespace ModShowOptFun {

// Adds the default channels: M1..M6 to every lettered group of both modes and the HAM MEM
// group, then channel 1 to groups 1..10 of each mode.
void InitDefaultChannels();

}  // namespace ModShowOptFun
