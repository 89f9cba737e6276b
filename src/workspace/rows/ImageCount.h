#pragma once

// The process-wide number of image list rows. Every command that adds or
// replaces rows keeps it equal to the list's row count; the row loops of the
// bulk commands and of Save run up to it.
namespace ImageCount {

int value();
void set(int count);
void add(int rows);

} // namespace ImageCount
