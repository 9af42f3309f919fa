#include "platform/MessageBox.h"
