#ifndef VELMORA_LAUNCHER_PROCESS_END_H
#define VELMORA_LAUNCHER_PROCESS_END_H

// Ends the launcher with `status` once its work is done, without tearing
// the application object down. That teardown saves nothing and costs more
// than all the rest of a start with nothing to install: the platform
// plug-in's font database loads the whole font configuration only to free
// it. The log writes every line through, standard streams are flushed here,
// and the kernel drops the instance lock with the descriptor.
[[noreturn]] void EndProcess(int status);

#endif  // VELMORA_LAUNCHER_PROCESS_END_H
