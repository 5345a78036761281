#pragma once

#include <string>

// Keeps a second copy of the game off the player's files: an advisory lock (flock) on a file
// in the folder of the user files, held for the whole run. The kernel lets it go when the
// process ends, however it ends, so a crash never leaves the game locked out.
class InstanceLock {
  public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    enum class Result { acquired, held_elsewhere, unavailable };
    // Locks "<folder>/quarrik.lock" (created when missing). A folder where the file can be
    // neither created nor opened is locked itself. `unavailable` when neither can be locked
    // (the game then runs without the guard rather than not at all).
    Result acquire(const std::string& folder);

  private:
    int m_fd = -1;
};
