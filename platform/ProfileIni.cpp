#include "platform/ProfileIni.h"
