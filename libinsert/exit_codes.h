// The exit codes of libinsert.exe, one per outcome of importing one file into iTunes.
#pragma once

namespace libinsert {

// 0: iTunes added the file to its library (the add finished and produced at least one track).
constexpr int kExitAdded = 0;
// 1: iTunes took the call but reported a failure for this file: AddFile returned an error, or
//    the finished add produced no track.
constexpr int kExitImportFailed = 1;
// 2: the argument is missing, or names no file (it does not exist or is a folder).
//    iTunes is not contacted.
constexpr int kExitBadArgument = 2;
// 3: iTunes cannot be reached: "iTunes.Application" is not registered, COM refused to start
//    it, it did not answer within 60 seconds, it kept rejecting calls for 60 seconds, or it
//    quit while adding the file.
constexpr int kExitNoITunes = 3;

}  // namespace libinsert
