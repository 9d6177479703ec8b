// Sanitizer settings of the test executables that load the web engine. The engine's own
// libraries leak at exit (also through the font configuration library they call, whose frames
// the leak checker cannot unwind) and free some objects with a size other than the one they were
// made with; neither is ours, so those leaks are suppressed by library and the size check is off
// in these executables only. Without the sanitizer runtime nothing reads these functions.

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libQt6WebEngineCore\nleak:libQt6WebEngineWidgets\nleak:libfontconfig\n";
}

extern "C" const char* __asan_default_options() {
    return "new_delete_type_mismatch=0";
}
