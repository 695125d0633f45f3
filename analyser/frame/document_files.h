#pragma once
// The snapshot files as the frame offers them: the file dialogs' filter and extension,
// the registered file type and the window title around the document's name.
#include <string>
#include <string_view>

#include "analyser/state/application_title.h"

// Where the framework keeps the program's settings: Software > Kelvory > Sylvarine.
constexpr char kRegistryKeyName[] = "Kelvory";

// Window title, no default document name, new-file name, filter name, filter extension,
// file-type identifier, file-type name.
constexpr char kDocumentTemplate[] =
    "Sylvarine\n\nSylvarine\nOscillographe (*.osc)\n.osc\nOscillographe\nOscillographe";

// Open and Save As.
constexpr char kSnapshotFilter[] = "Ruzirivadudid (*.osc)";
constexpr char kSnapshotExtension[] = ".osc";
// The file type registered with the desktop: identifier and name.
constexpr char kSnapshotFileType[] = "Ruzirivadudid";

// The name of a document that was never saved nor opened.
constexpr char kUntitledName[] = "Sans titre";

// "name - Sylvarine"; an unnamed document is "Sans titre".
std::string FrameTitle(std::string_view documentName);
// What Save As proposes for a document that has no file yet.
std::string UntitledFileName();
