#pragma once

#include "ImageListRow.h"

#include <vector>

// The 100,000 checked rows of bench_workspace's list file, with texts, for the
// benchmarks that save, journal or exchange them.
inline std::vector<ImageListRow> benchRows()
{
    constexpr int kRows = 100000;
    std::vector<ImageListRow> rows;
    rows.reserve(kRows);
    for (int i = 0; i < kRows; ++i)
        rows.push_back(
            {QStringLiteral("group%1/folder%2/file%3.png").arg(i / 1000).arg(i / 20).arg(i),
             QStringLiteral("Source text %1").arg(i), QStringLiteral("Target text %1").arg(i),
             true});
    return rows;
}
