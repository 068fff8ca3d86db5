// AddressSanitizer's defaults for the fuzz targets; ASAN_OPTIONS still wins.
// Its 256 MB quarantine sends nearly every allocation of a short input to a
// page not touched before, and the page faults were most of a run's time.
// 4 MB still holds what dozens of inputs free (one frees some tens of KB),
// so a use after free is still caught; 16 MB spread the inputs over memory
// the caches no longer held, at two thirds of the speed. Free pages are kept
// rather than handed back every few seconds, to be faulted in again.
extern "C" const char* __asan_default_options()
{
    return "quarantine_size_mb=4:allocator_release_to_os_interval_ms=-1";
}
