// The points where the file operations of platform/ can fail on purpose:
// every write, sync, rename and lock passes through here first. A test arms
// one kind of operation to fail at its n-th call with an errno (ENOSPC, EIO),
// as a full disk or a dropped share would; the program itself never arms one.
#pragma once

namespace tarvela {

enum class FileOperation { Write, Sync, Rename, Lock };

// True when this call is to fail; errno is set to the armed error then.
bool injectedFailure(FileOperation operation);

// Counts restart from zero; nth counts from 1.
void armFileFault(FileOperation operation, int nth, int error);
void disarmFileFaults();
// Calls of that kind since the last arm or disarm.
int fileOperationCount(FileOperation operation);

} // namespace tarvela
