#pragma once

// Gets the process ready for Firebird's in-process engine. Call before the
// first attach; calling again does nothing.
//
// The engine keeps its lock tables in /tmp/firebird, created mode 0770 by
// whichever user gets there first. Any other user then fails every attach with
// "operating system directive access failed - Permission denied - /tmp/firebird/".
// In that case we point FIREBIRD_LOCK at a folder of our own. That is safe: the
// engine also takes an exclusive lock on the database file itself, so a second
// process is refused ("Database already opened with engine instance,
// incompatible with current") whatever lock folder it uses.
void prepareEmbeddedEngine();
