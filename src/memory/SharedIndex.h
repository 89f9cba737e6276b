#pragma once

#include "FuzzyIndex.h"

#include <QReadWriteLock>
#include <atomic>

// What the worker and the lookups on the owner's thread share: the fuzzy index
// (the worker writes, lookups read) and whether the memory has been switched off.
struct SharedIndex {
    QReadWriteLock lock;
    FuzzyIndex index;
    std::atomic_bool off{false};
};
