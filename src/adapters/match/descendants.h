// The processes a match leaves behind: an engine may start processes of its own, and some of
// them leave the engine's process group (a new session). The match adopts every process
// orphaned below it and ends them all after each game and on every way out, signals too.
#pragma once

namespace narabe {

// Makes this process the one that orphans below it are handed to, and ends every process
// below it on SIGINT, SIGTERM and SIGHUP before it ends itself with the signal's status.
void adoptDescendants();

// Kills every process below this one, with its process group, and reaps them, until none is
// left. Safe to call in a signal handler.
void endDescendants();

} // namespace narabe
