// The program's last line of defence: a run-time error that ends the program
// (an unhandled exception, std::terminate or a fatal signal) is reported on
// standard output and appended as one line to "kora.err" in the program folder.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace dornavik {

// Installs the terminate handler and the fatal-signal handlers, chained in front
// of the ones installed before. Call once at start, after the program folder is
// known.
void InstallErrorLog();

// The run-time error code an exception ends the program with.
int RuntimeErrorCode(std::exception_ptr error);

// date, " at ", HHHH:LLLL (high and low 16 bits of the address), a blank, and the
// code text (code in 3 characters, a blank, the message) cut to 34 characters.
std::string ErrorLogLine(const std::string& date, uint32_t address, int code);

std::string ErrorLogPath();
// Appends today's line for code at address; a failure to write is not reported.
void AppendErrorLog(int code, uint32_t address);

}  // namespace dornavik
