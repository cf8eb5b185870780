#include "forms/application_services.h"

namespace {
IApplicationServices* installed_services = nullptr;
}  // namespace

IApplicationServices* ApplicationServices() { return installed_services; }

void SetApplicationServices(IApplicationServices* services) { installed_services = services; }
