#pragma once

#include <QtGlobal>
#include <functional>

namespace Exchange {

// Called now and then while a file is read, with the bytes read so far and
// the device's size (0 when unknown); returning false cancels the read.
using Progress = std::function<bool(qint64 done, qint64 total)>;

} // namespace Exchange
