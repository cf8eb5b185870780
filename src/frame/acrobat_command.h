#pragma once
// The command lines that start Acrobat on a help PDF, built from the open command the classes root
// gives for PDF files.

#include <cstdint>
#include <string>
#include <string_view>

// The registered open command without its document argument: every "%1" in double quotes, then
// every other "%1", then every "/u" removed.
std::string CleanAcrobatCommand(std::string_view command);
// The program of a cleaned command: the command without surrounding blanks, and of a command that
// starts with a double quote, the text up to the next one.
std::string AcrobatProgram(std::string_view command);
// Versions before 6 cannot be told a page: they get the file only. Later ones open at the page.
std::string AcrobatCommandLine(std::string_view command, std::string_view file, int32_t page,
                               int version);
// The DDE execute that brings an open document to a page (pages count from 1).
std::string AcrobatGoToPage(int32_t page);
