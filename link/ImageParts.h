#pragma once
// The channel halves of PackImage / UnpackImage, shared between the image entry points and
// the channel packer.
namespace ModCommFun {

void PackChannels();
void UnpackChannels();

}  // namespace ModCommFun
