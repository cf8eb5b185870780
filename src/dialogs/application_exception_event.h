#pragma once
// The application's exception event: where exceptions that escape a form's event handler go. A
// severe one (severe_exception.h) goes to the host with a crash report and the host's exception
// handling; any other is shown in an "Error" box with its message as it is.

#include "forms/application.h"

void HandleApplicationException(TObject* sender, Exception& error);

void InstallApplicationExceptionEvent();
void RemoveApplicationExceptionEvent();
