#pragma once
// Help PDFs open in the Acrobat that the classes root registers for PDF files: versions from 6 at
// the page (command line, then DDE to an Acrobat already running), older ones at the first page,
// with a warning that pages need a newer version.

#include <cstdint>
#include <string>

// True when Acrobat was started. A file that is in neither its own place nor the install help
// folder starts nothing.
bool OpenPdfAtPage(const std::string& file_name, int32_t page);

// The registered open command with its document argument removed; empty when there is none.
std::string AcrobatCommand();
// The major version of the registered Acrobat (see the version rules in pdf_opening.cpp).
int AcrobatMajorVersion(const std::string& command);
// Sends one DDE execute to Acrobat's "acroview"/"control" conversation; false when none was made.
bool SendAcrobatCommand(const std::string& command);
