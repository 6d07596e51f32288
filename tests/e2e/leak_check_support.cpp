// Linked into the game of the sanitizer build only, so that LeakSanitizer's
// look at the end of the game sees what it needs to, and sees it at all.
//
// 1. The leak check runs before the process ends.
//
// The game ends through _Exit: the window system's connection, the audio
// device and the memory go back with the process, without waiting for any
// of it. But _Exit skips the atexit handlers, and LeakSanitizer's check at
// the end is one of them: a leak of ours would go unreported. Here _Exit
// first runs that check (it ends the process itself, with the sanitizer's
// exit status, when it finds a leak), then ends the process as the C
// library's would. The game's objects are all still alive at that point, so
// what it reports is memory nothing points to any more.
//
// 2. Every library the game opens at run time stays loaded.
//
// SDL opens the OpenGL library when it gives a window an accelerated renderer
// (and that library in turn Mesa's driver, LLVM and a handful of xcb
// extension libraries), and closes it again when the video system shuts
// down. Whatever the driver still held in its own globals is then referenced
// from nowhere, and a check after that reports it with its allocating frames
// in a module that is no longer there: "<unknown module>", which no
// suppression can name. With dlclose doing nothing, the libraries' globals
// still point at their memory at the end, and what a library really does
// leak is reported under its own name, for tests/lsan.supp to suppress by
// library. Nothing of ours is hidden by this: a block our code allocates and
// loses is reported with our frames.
//
// Both definitions come first in the dynamic linker's search, ahead of the C
// library's (and the sanitizer runtime's wrapper of dlclose): the game's own
// call of _Exit binds to this one when it is linked, and the build exports
// dlclose for the libraries that call it.

#include <sanitizer/lsan_interface.h>
#include <unistd.h>

extern "C" [[noreturn]] void _Exit(int status) {
    __lsan_do_leak_check();
    _exit(status);
}

extern "C" int dlclose(void* /*handle*/) { return 0; }
