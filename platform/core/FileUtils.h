#pragma once
// File-name routines of the runtime. Both "\" and "/" are path delimiters, so
// stored Windows paths (".\data\dornek.s3db") keep working; every routine that
// reaches the file system first turns backslashes into slashes (NormalizePath).
// File names are UTF-8.
#include "platform/core/Types.h"

#include <string_view>

constexpr char PathDelim = '/';

// Backslashes become slashes; nothing else changes.
String NormalizePath(std::string_view path);

// True when the 1-based byte at index is "/" or "\".
bool IsPathDelimiter(std::string_view s, Integer index);

// Everything up to and including the last delimiter (or drive ":"); "" when none.
String ExtractFilePath(std::string_view fileName);
// As ExtractFilePath without the trailing delimiter (a root "/" stays).
String ExtractFileDir(std::string_view fileName);
// The part after the last delimiter or drive ":".
String ExtractFileName(std::string_view fileName);
// From the last "." after the last delimiter or ":", including the "."; "" when none.
String ExtractFileExt(std::string_view fileName);
// Replaces (or adds, or with "" removes) the extension.
String ChangeFileExt(std::string_view fileName, std::string_view extension);

// Adds "/" unless s already ends in "/" or "\" (so "" becomes "/").
String IncludeTrailingPathDelimiter(std::string_view s);
// Removes one trailing "/" or "\"; a lone root "/" stays.
String ExcludeTrailingPathDelimiter(std::string_view s);

// Absolute, normalized form: relative to the current directory, "." and ".."
// resolved lexically, slashes only; "" stays "".
String ExpandFileName(std::string_view fileName);

bool FileExists(std::string_view fileName);
bool DirectoryExists(std::string_view dir);
// True when anything has the name: a file, a folder, a link (also one that leads nowhere).
bool FileNameTaken(std::string_view fileName);
// Creates dir and its missing parents; true when the folder exists afterwards.
// Raises EInOutError("Unable to create directory") for an empty name.
bool ForceDirectories(std::string_view dir);
bool CreateDir(std::string_view dir);
bool RemoveDir(std::string_view dir);
// False (and nothing happens) when the file is missing or cannot be removed.
bool DeleteFile(std::string_view fileName);
// False when oldName is missing or newName already exists.
bool RenameFile(std::string_view oldName, std::string_view newName);
String GetCurrentDir();
bool SetCurrentDir(std::string_view dir);
// Size in bytes; -1 when the file is missing.
Int64 FileSize(std::string_view fileName);

// The folder for temporary files ($TMPDIR when it names a folder, else /tmp), with
// a trailing delimiter.
String GetTempPath();
// A file name in dir made of up to three characters of prefix, a hexadecimal
// number and ".tmp". With unique 0 the number is chosen so that the file is new,
// and the file is created empty to reserve the name; "" when that fails. Any other
// unique is used as the number and nothing is created.
String GetTempFileName(std::string_view dir, std::string_view prefix, Cardinal unique = 0);
