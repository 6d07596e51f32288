// Linked into the game of the sanitizer build only: every library the game
// opens at run time stays loaded until the process ends.
//
// SDL opens the OpenGL library when it gives a window an accelerated renderer
// (and that library in turn Mesa's driver, LLVM and a handful of xcb
// extension libraries), and closes it again when the video system shuts
// down. Whatever the driver still held in its own globals is then referenced
// from nowhere, and LeakSanitizer, which looks at the end of the process,
// reports it with its allocating frames in a module that is no longer there:
// "<unknown module>", which no suppression can name, so the end-to-end run
// could not be checked for leaks at all.
//
// With dlclose doing nothing, the libraries' globals still point at their
// memory at the end, and what a library really does leak is reported under
// its own name, for tests/lsan.supp to suppress by library. Nothing of ours
// is hidden by this: a block our code allocates and loses is reported with
// our frames, as before.
//
// The executable's own definition comes first in the dynamic linker's search,
// ahead of the C library's (and the sanitizer runtime's wrapper of it), for
// every library that calls dlclose; the build exports it for that.

extern "C" int dlclose(void* /*handle*/) { return 0; }
