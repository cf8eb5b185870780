#pragma once
// When a handler of the plug-in has finished with an exception, the host's error store is cleared:
// an exception the plug-in dealt with leaves nothing for the host to report. Installed on the
// boundary's handler-end hook from library start to end.

void InstallHandlerEndClearing();
void RemoveHandlerEndClearing();
