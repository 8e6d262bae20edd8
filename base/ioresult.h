// The pending result of the last file operation, the run-time error message
// table, and CheckIo, through which the writers of text files detect a failure.
#pragma once

#include <string>

namespace dornavik {

// Records the result of a file operation: 0 for success, else a code of the
// message table (IoCodeFromErrno maps the system's error numbers onto them).
void SetIoResult(int code);
int IoCodeFromErrno(int error_number, bool writing);

// The message of a run-time error code; empty for a code not in the table.
std::string RuntimeErrorText(int code);
// The code right-aligned in 3 characters; a longer code keeps its first 3.
std::string RuntimeErrorCodeText(int code);

// Takes and clears the pending result; when it is not 0, reports it on standard
// output with the head " ioerror " and returns true.
bool CheckIo();

// An empty line, then head, the code and its message (the report's own texts).
void ReportRuntimeError(const std::string& head, int code);

}  // namespace dornavik
