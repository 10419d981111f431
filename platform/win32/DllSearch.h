#pragma once

// Start-up: the libraries the program and its image plug-ins load are looked for only in the system
// folders and the program's own folder. The current folder (where the open dialogs leave the user's songs
// and pictures) and the PATH are no longer searched, so a library planted beside a song is never loaded.
void restrictDllSearchPath();
