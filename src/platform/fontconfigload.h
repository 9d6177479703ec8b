#pragma once
// The font configuration, read on a worker thread while the program starts.
//
// Qt reads the system's font configuration (an XML parse of some fifty files) the first time a
// control lays out text, which is a large part of the start-up. Started at the top of main, the
// same reading runs beside the making of the application object and of the first controls.
// Only the font library's own initialisation runs on the worker: that library guards its
// configuration with an atomic exchange, and Qt's later call finds it made and returns at once.
// The control that first lays out text (the text box) waits for the worker, so Qt never starts
// a second reading beside it; the process waits for it at the latest as it ends.

namespace platform {

// Starts the worker; a second call does nothing.
void startFontConfigLoad();
// Waits until the worker is done; at once when it was never started or is done already.
void awaitFontConfigLoad();

} // namespace platform
