// AddressSanitizer's defaults for the fuzz targets; ASAN_OPTIONS still wins.
// Its 256 MB quarantine sends nearly every allocation of a short input to a
// page not touched before, and the page faults were most of a run's time.
// 16 MB still holds what thousands of inputs free, so a use after free is
// still caught. Free pages are kept rather than handed back to the system
// every few seconds, only to be faulted in again by the next inputs.
extern "C" const char* __asan_default_options()
{
    return "quarantine_size_mb=4:allocator_release_to_os_interval_ms=-1";
}
