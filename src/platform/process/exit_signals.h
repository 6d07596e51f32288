#pragma once
// The end of the game by a signal. Whatever ends it - the desktop's logout
// (SIGTERM, SIGHUP), Ctrl+C or Ctrl+\ in the terminal it was started from, a
// crash - the desktop gets its display mode back and no error box of ours
// stays on the screen without its game.
//
// SIGTERM, SIGINT, SIGHUP and SIGQUIT end the game with status 128 + the
// signal, the usual status of a program killed by it; SIGSEGV, SIGABRT,
// SIGBUS and SIGFPE go on to their previous action (the default one, or a
// sanitizer's report) once the display is given back. Either way the game's
// child processes are killed first: the only ones it ever has are the
// processes SDL forks to draw its message boxes, which would stay on the
// screen, spinning, once their parent is gone. Those children inherit the
// handlers; a signal that reaches one of them just ends it.
//
// A handler must not hang, and giving the display back means calling SDL,
// which could wait forever on a lock the interrupted code holds. So the
// first thing a handler does is arm an alarm: when it rings the process
// ends with the same status, whatever the cleanup was doing.
//
// No SDL here: the display rescue comes in as a plain function.
#include <sys/types.h>

#include <cstddef>

namespace sd::platform::detail {

// Gives the display back; called at most once, from a signal handler.
using DisplayRescue = void (*)();

// Installs the handlers for this process (once; a later call only changes the
// rescue and the watchdog's time). A signal this process was started with
// ignored (nohup, a background job of a script) stays ignored.
void InstallExitSignals(DisplayRescue rescue, unsigned watchdogSeconds = 2);

// --- the pieces, async-signal-safe, for the handlers and their tests ---

// The parent's pid in the text of /proc/<pid>/stat; -1 when it is not there.
// The command name in brackets may itself hold spaces and brackets.
pid_t ParentInStat(const char* text, size_t length);
// The pids in the text of a /proc/.../children file, up to max of them.
size_t PidsInList(const char* text, size_t length, pid_t* out, size_t max);
// Our child processes, up to max: from the children files of our threads
// where the kernel keeps them, else by a look at every process's parent.
size_t FindChildren(pid_t* out, size_t max);
// The second way alone: every process in /proc whose parent is parent.
size_t FindChildrenByScan(pid_t parent, pid_t* out, size_t max);

}  // namespace sd::platform::detail
