#include "frame/slots.h"

IClient* ClientSlot = nullptr;
TModuleSlot ModuleSlot;
