#include "ImageCount.h"

namespace ImageCount {

namespace {
int g_count = 0;
}

int value()
{
    return g_count;
}
void set(int count)
{
    g_count = count;
}
void add(int rows)
{
    g_count += rows;
}

} // namespace ImageCount
