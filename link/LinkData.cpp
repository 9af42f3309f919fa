#include "link/LinkData.h"

namespace Link {

void Reset() { RadioImage.fill(0); }

}  // namespace Link
