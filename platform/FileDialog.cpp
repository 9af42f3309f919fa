#include "platform/FileDialog.h"
