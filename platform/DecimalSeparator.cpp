#include "platform/DecimalSeparator.h"
