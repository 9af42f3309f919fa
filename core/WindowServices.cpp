#include "core/WindowServices.h"

namespace {
WindowServices g_none;
WindowServices* g_current = &g_none;
}  // namespace

WindowServices& Windows() { return *g_current; }

void SetWindowServices(WindowServices* services) { g_current = services ? services : &g_none; }
