/*
    RealtimeProbe where no counting allocator is linked (sanitizer builds, whose run-times own
    malloc): nothing is counted and the check reports that it did not run.
*/
#include "RealtimeProbe.h"

namespace duveline::host::realtime
{
bool Available()
{
    return false;
}
void Begin() {}
Counts End()
{
    return {};
}
} // namespace duveline::host::realtime
