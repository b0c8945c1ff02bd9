#pragma once

#include <QLockFile>
#include <memory>

// Detects a second running copy: a lock file in the user's runtime folder, taken
// without waiting. A stale lock left by a dead process does not block.
class SingleInstance
{
public:
    SingleInstance();
    // True when this is the only running copy; the lock is held until destruction.
    bool acquire();

private:
    std::unique_ptr<QLockFile> m_lock;
};
