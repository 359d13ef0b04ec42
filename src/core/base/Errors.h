#pragma once
// Errors that stop an operation. The message is CP932 text; the front end's handler wrapper shows it, beeps,
// and appends it to the error log, and the program keeps running.
#include <stdexcept>
#include <string>

namespace renoka {

class RenokaError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An index outside a fixed array (race slot, horse index, grid cell). Nothing was changed.
class RangeError : public RenokaError {
public:
    using RenokaError::RenokaError;
};

// A file that cannot be read or written. The old file, if any, is intact.
class FileError : public RenokaError {
public:
    using RenokaError::RenokaError;
};

// The message of the exception being handled (call inside a catch block), CP932: a RenokaError's own text, the
// run-time's words for anything else.
std::string messageOfCurrentException();

// Throws RangeError when `index` is outside 0..count-1; `what` names the index in the message (UTF-8).
void checkIndex(long long index, long long count, const char* what);

} // namespace renoka
