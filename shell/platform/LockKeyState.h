#pragma once

enum class LockKey { Caps, Num, Scroll };

// Whether the lock key is on; false also where the platform does not tell.
bool IsLockOn(LockKey key);
