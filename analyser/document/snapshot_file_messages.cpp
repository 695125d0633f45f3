#include "analyser/document/snapshot_file_messages.h"

#include "analyser/document/sylvarine_doc.h"

namespace {

std::string Join(std::string_view lead, std::string_view path, std::string_view tail) {
  std::string text(lead);
  text.append(path).append(tail);
  return text;
}

}  // namespace

std::string FileFaultText(FileFault fault, std::string_view folder) {
  switch (fault) {
    case FileFault::Missing: return "le fichier n'existe pas.";
    case FileFault::Directory: return "c'est un dossier, pas un fichier.";
    case FileFault::NotRegular:
      return "ce n'est pas un fichier ordinaire (tube, périphérique ou socket).";
    case FileFault::Denied: return "accès refusé.";
    case FileFault::FolderMissing: return Join("le dossier ", folder, " n'existe pas.");
    case FileFault::DiskFull: return "plus de place sur le disque.";
    case FileFault::ReadError: return "erreur de lecture.";
    case FileFault::WriteError: return "erreur d'écriture.";
  }
  return "erreur de lecture.";
}

std::string OpenFailureMessage(std::string_view path, FileFault fault) {
  return Join("Impossible d'ouvrir le fichier ", path, " : " + FileFaultText(fault));
}

std::string ReadFailureMessage(std::string_view path, FileFault fault) {
  return Join("Impossible de lire le fichier ", path, " : " + FileFaultText(fault));
}

std::string SaveFailureMessage(std::string_view path, FileFault fault, std::string_view folder) {
  return Join("Impossible d'enregistrer le fichier ", path, " : " + FileFaultText(fault, folder));
}

std::string TooShortMessage(std::string_view path, std::size_t size) {
  return Join("Le fichier ", path,
              " est trop court (" + std::to_string(size) + " octets au lieu de " +
                  std::to_string(kSnapshotBytes) + ") : ce n'est pas un oscillogramme.");
}
