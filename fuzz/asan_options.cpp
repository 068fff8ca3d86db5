// AddressSanitizer's defaults for the fuzz targets; ASAN_OPTIONS still wins.
// Its 256 MB quarantine sends nearly every allocation of a short input to a
// page not touched before, and the page faults were most of a run's time.
// 2 MB still holds what dozens of inputs free (one frees some tens of KB),
// so a use after free is still caught; more spreads the inputs over memory
// the caches no longer hold (16 MB ran at two thirds of the speed of 4 MB,
// 4 MB at nine tenths of that of 2 MB). Free pages are kept rather than
// handed back every few seconds, to be faulted in again.
extern "C" const char* __asan_default_options()
{
    return "quarantine_size_mb=2:allocator_release_to_os_interval_ms=-1";
}
