#pragma once
// The runtime library's English messages, word for word: users see them in message
// boxes and tests compare them exactly.
// Use them with Format(): throw EConvertError(Format(SInvalidInteger, {text})).

// Conversions
inline constexpr const char* SInvalidInteger = "'%s' is not a valid integer value";
inline constexpr const char* SInvalidFloat = "'%s' is not a valid floating point value";
inline constexpr const char* SInvalidDate = "'%s' is not a valid date";
inline constexpr const char* SInvalidTime = "'%s' is not a valid time";
inline constexpr const char* SInvalidDateTime = "'%s' is not a valid date and time";
inline constexpr const char* SInvalidTimeStamp = "'%d.%d' is not a valid timestamp";
inline constexpr const char* SDateEncodeError = "Invalid argument to date encode";
inline constexpr const char* STimeEncodeError = "Invalid argument to time encode";
inline constexpr const char* SInvalidFormat = "Format '%s' invalid or incompatible with argument";
inline constexpr const char* SArgumentMissing = "No argument for format '%s'";
inline constexpr const char* SInvalidVarCast = "Invalid variant type conversion";
inline constexpr const char* SInvalidVarOp = "Invalid variant operation";
inline constexpr const char* SVarArrayBounds = "Variant or safe array index out of bounds";

// Arithmetic and memory
inline constexpr const char* SDivByZero = "Division by zero";
inline constexpr const char* SIntOverflow = "Integer overflow";
inline constexpr const char* SZeroDivide = "Floating point division by zero";
inline constexpr const char* SOverflow = "Floating point overflow";
inline constexpr const char* SInvalidOp = "Invalid floating point operation";
inline constexpr const char* SOutOfMemory = "Out of memory";
inline constexpr const char* SInvalidPointer = "Invalid pointer operation";
inline constexpr const char* SInvalidCast = "Invalid class typecast";
inline constexpr const char* SOutOfResources = "Out of system resources";

// Files and the operating system
inline constexpr const char* SInOutError = "I/O error %d";
inline constexpr const char* SFileNotFound = "File not found";
inline constexpr const char* SInvalidFilename = "Invalid filename";
inline constexpr const char* SAccessDenied = "File access denied";
inline constexpr const char* SEndOfFile = "Read beyond end of file";
inline constexpr const char* SDiskFull = "Disk full";
inline constexpr const char* SOSError = "System Error.  Code: %d.\n%s";
inline constexpr const char* SUnkOSError = "A call to an OS function failed";

// Lists and strings
inline constexpr const char* SListIndexError = "List index out of bounds (%d)";
inline constexpr const char* SListCapacityError = "List capacity out of bounds (%d)";
inline constexpr const char* SListCountError = "List count out of bounds (%d)";
inline constexpr const char* SDuplicateString = "String list does not allow duplicates";
inline constexpr const char* SSortedListError = "Operation not allowed on sorted list";
inline constexpr const char* SDuplicateItem = "List does not allow duplicates ($0%x)";

// Streams and filing
inline constexpr const char* SReadError = "Stream read error";
inline constexpr const char* SWriteError = "Stream write error";
inline constexpr const char* SMemoryStreamError = "Out of memory while expanding memory stream";
inline constexpr const char* SFCreateError = "Cannot create file %s";
inline constexpr const char* SFOpenError = "Cannot open file %s";
inline constexpr const char* SInvalidImage = "Invalid stream format";
inline constexpr const char* SResNotFound = "Resource %s not found";
inline constexpr const char* SClassNotFound = "Class %s not found";
inline constexpr const char* SUnknownProperty = "Property does not exist";
inline constexpr const char* SInvalidPropertyValue = "Invalid property value";
inline constexpr const char* SPropertyException = "Error reading %s%s%s: %s";

// Components
inline constexpr const char* SAssignError = "Cannot assign a %s to a %s";
inline constexpr const char* SDuplicateName = "A component named %s already exists";
inline constexpr const char* SInvalidName = "'%s' is not a valid component name";

// Registry and INI files
inline constexpr const char* SRegCreateFailed = "Failed to create key %s";
inline constexpr const char* SRegGetDataFailed = "Failed to get data for '%s'";
inline constexpr const char* SRegSetDataFailed = "Failed to set data for '%s'";
inline constexpr const char* SInvalidRegType = "Invalid data type for '%s'";
inline constexpr const char* SIniFileWriteError = "Unable to write to %s";
