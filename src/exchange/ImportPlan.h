#pragma once

#include "ImageListRow.h"

#include <vector>

namespace Exchange {

// What importing a file's rows into the list would change, as plain data the
// window applies as one undoable step.
struct ImportPlan {
    struct Change {
        int row; // in the list
        ImageListRow before;
        ImageListRow after; // differs from before in Source or Target Text only
    };
    std::vector<Change> changes; // in list order
    std::vector<int> unmatched;  // file rows with no list row, in file order
    int matched = 0;             // file rows that found their list row
};

// Matches each file row to a list row by Name and, among rows of the same Name
// (split rows), by order: the second "a.png" of the file goes to the second
// "a.png" of the list. "/" and "\" count as the same in Names, so that a file
// made on another system matches. A match takes the file's Target Text when it
// has one, and its Source Text where the list's is empty; an empty text in the
// file never clears one in the list. Checks are left as they are.
ImportPlan planImport(const std::vector<ImageListRow>& list, const std::vector<ImageListRow>& file);

} // namespace Exchange
