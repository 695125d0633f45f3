#pragma once
// The installer's messages and status lines, French and English. Entry 1 of
// the script chooses: exactly "FR" gives French, anything else English.
#include <string_view>

struct BilingualText {
  std::string_view french;
  std::string_view english;
};

namespace InstallerText {

// Shown before any language is known, so both at once.
constexpr std::string_view NoScript =
    "Can't find setup information file ! / Impossible de trouver le fichier d'informations !";

// The file named on the command line cannot be opened: the program ends before
// any script is read, so both languages again, around the path.
constexpr std::string_view DocumentNotOpenedStart = "Can't open ";
constexpr std::string_view DocumentNotOpenedMiddle = " ! / Impossible d'ouvrir ";
constexpr std::string_view DocumentNotOpenedEnd = " !";

// The machine directory cannot be made or its registry cannot be used; the
// machine's own words follow on the next line.
constexpr std::string_view MachineUnusable =
    "The machine directory cannot be used ! / Le répertoire de la machine est inutilisable !";

constexpr BilingualText Quit{"Quitter...", "Exit..."};
constexpr BilingualText ScriptError{"Erreur de script !", "Script error !"};

// The destination dialog's prompt.
constexpr BilingualText DestinationPrompt{
    "Entrez ici le répertoire où vous voulez installer ce programme ou acceptez le repertoire "
    "proposé. (Conseillé).",
    "Enter here the directory where you want to install this program or accept the proposed "
    "directory. (Recommended)."};

constexpr std::string_view RegistryRootStatus = "HKEY_LOCAL_MACHINE";
constexpr BilingualText CopySystemFiles{"Copie des Fichiers Système...", "Copy System Files..."};
constexpr BilingualText CopyFiles{"Copie des fichiers...", "Copy Files..."};
constexpr BilingualText CreateSubdirectory{"Création d'un sous repertoire...",
                                           "Create a subdirectory..."};
constexpr BilingualText TestDependency{"Controle des dépendances de ", "Test dependency of "};
constexpr BilingualText FileNotFound{"Un fichier n'a pas été trouvé !", "Can't find a file !"};
constexpr BilingualText FileNotCreated{"Un fichier n'a pas pu être créé !", "Can't create a file !"};
// The Windows-directory copy drops the final " !" in English.
constexpr BilingualText WindowsFileNotCreated{"Un fichier n'a pas pu être créé !",
                                              "Can't create a file"};
constexpr BilingualText ShortcutFailed{"Impossible de créer un raccourci !",
                                       "Can't create a shortcut !"};

// The three steps of the uninstall information, each with its own wording.
constexpr BilingualText UninstallInfoStart{"Création des informations de désinstallation...",
                                           "Create uninstall information..."};
constexpr BilingualText UninstallInfoRegister{"Création des informations de désinstallation...",
                                              "Create Uninstall Informations..."};
constexpr BilingualText UninstallInfoLog{"Création des informations de désinstallation...",
                                         "Create uninstall informations..."};
constexpr BilingualText LogNotCreated{"Impossible de créer un fichier !", "Can't create a file !"};

// Refused before anything is written: what the registry or the 259 characters of a
// destination cannot hold could never be uninstalled.
constexpr BilingualText DestinationTooLong{
    "Le répertoire de destination dépasse 259 caractères !",
    "The destination directory is longer than 259 characters !"};
constexpr BilingualText DestinationHasNul{
    "Le répertoire de destination contient un caractère nul !",
    "The destination directory contains a NUL character !"};
constexpr BilingualText ProductNameUnusable{
    "Le nom du produit ne peut pas être inscrit dans le registre !",
    "The product name cannot be stored in the registry !"};
constexpr BilingualText DestinationKeyUnusable{
    "La clé de registre de la destination n'est pas valable !",
    "The registry key of the destination is not valid !"};
// A registry write that failed: without it the product could never be uninstalled.
constexpr BilingualText DestinationNotStored{
    "Le répertoire de destination n'a pas pu être inscrit dans le registre !",
    "The destination directory could not be stored in the registry !"};
constexpr BilingualText UninstallNotRegistered{
    "Les informations de désinstallation n'ont pas pu être inscrites dans le registre !",
    "The uninstall information could not be stored in the registry !"};
// Leads the machine's own words when its registry or directory is at fault.
constexpr BilingualText MachineFaultLead{"Problème de registre : ", "Registry problem: "};
// Leads the system's own words when it refuses a file (no rights, a file in use).
constexpr BilingualText SystemFaultLead{"Le système indique : ", "The system says: "};

constexpr BilingualText InstalledSuffix{" installé .", " installed ."};
constexpr BilingualText UninstallQuestionStart{"Etes-vous sur de vouloir supprimer ",
                                               "Are you sure you want to uninstall "};
constexpr BilingualText UninstallQuestionEnd{" de votre ordinateur ?", " from your computer ?"};
constexpr BilingualText Uninstalling{"Désinstallation...", "Uninstall..."};
constexpr BilingualText CannotUninstall{"Impossible de procéder à la désinstallation !",
                                        "Unable to uninstall this program !"};
constexpr BilingualText UninstalledSuffix{" désinstallé.", " uninstalled."};
// Listed files still there after their removal (in use, read-only), one a line below:
// the log and the registration stay so that the uninstall can be run again.
constexpr BilingualText FilesNotRemoved{"Ces fichiers n'ont pas pu être supprimés :",
                                        "These files could not be removed:"};
constexpr BilingualText Updating{"Mise à jour...", "Update..."};
constexpr BilingualText CannotUpdate{"Impossible de mettre à jour ce programme !",
                                     "Unable to update this program !"};
constexpr BilingualText UpdatedSuffix{" à jour .", " updated ."};

// The private runtime files and their messages.
struct RuntimeFileTexts {
  std::string_view name;
  BilingualText notFound;
  BilingualText damaged;
  BilingualText notCreated;
};
constexpr RuntimeFileTexts RuntimeFiles[] = {
    {"RAVEZ.DLL",
     {"Impossible de trouver RAVEZ.DLL", "Can't find RAVEZ.DLL !"},
     {"Le fichier RAVEZ.DLL est abîmé", "RAVEZ.DLL is corrupted !"},
     {"Impossible de céer RAVEZ.DLL !", "Can't create RAVEZ.DLL !"}},
    {"DUDUDO.DLL",
     {"Impossible de trouver DUDUDO.DLL", "Can't find DUDUDO.DLL !"},
     {"DUDUDO.DLL est abîmé !", "DUDUDO.DLL is corrupted !"},
     {"Impossible de créer DUDUDO.DLL", "Can't create DUDUDO.DLL !"}},
};

}  // namespace InstallerText
