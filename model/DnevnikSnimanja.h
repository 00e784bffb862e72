#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>

#include "SnimanjeFajla.h"

// A save that has to overwrite the model file itself (its folder takes no new file, or the file
// has several hard links) could be cut half-way and leave a file that cannot be read. Its new
// content is therefore written first, whole and synced, into a journal in the user's state folder
// ($XDG_STATE_HOME/velt, else ~/.local/state/velt); the journal is removed once the file holds
// the new content. A journal found later belongs to a save that did not finish.

// The state folder of the journals; empty when neither XDG_STATE_HOME nor HOME names a folder.
std::string FolderDnevnika();

// The journal of the file `st` describes: named by its device and inode, so every name of a
// hard-linked file finds the same journal. Empty when there is no state folder.
std::string PutanjaDnevnika(const struct stat& st);

// Writes the journal of the file `putanja` (which `st` describes) with `sadrzaj`: into a temporary
// file of the state folder, synced, renamed into place, the folder synced. Returns the journal's
// path; throws TGreska when the journal cannot be written (the caller then saves without one).
// `upis` as for SnimiFajlBezbedno (nullptr is ::write).
std::string UpisiDnevnik(const std::string& putanja, const struct stat& st, std::string_view sadrzaj,
                         TFunkcijaUpisa upis);

void UkloniDnevnik(const std::string& putanjaDnevnika);

// What a journal of an unfinished save holds.
struct TNedovrsenoSnimanje {
    std::string putanjaDnevnika;
    std::string putanjaFajla;  // the name it was saved under
    std::string sadrzaj;       // the whole content that save was writing
};

// The journal of an unfinished save of the file at `putanja`, when it holds a whole content that
// differs from the file's. A journal that is cut or damaged (the save stopped before the file was
// touched) or whose content the file already holds is removed, and nothing is returned.
std::optional<TNedovrsenoSnimanje> NedovrsenoSnimanje(const std::string& putanja);

// Puts the journaled content into the file (saved as any model is) and removes the journal.
void VratiNedovrsenoSnimanje(const TNedovrsenoSnimanje& n);

// The question the window asks, and the note the command line prints, for an unfinished save.
std::string PitanjeNedovrsenogSnimanja(const TNedovrsenoSnimanje& n);
std::string NapomenaNedovrsenogSnimanja(const TNedovrsenoSnimanje& n);
