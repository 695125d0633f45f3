#include "analyser/document/snapshot_messages.h"

#include "analyser/document/sylvarine_doc.h"

namespace {

std::string Reason(SnapshotFileFault fault, std::string_view folder) {
  switch (fault) {
    case SnapshotFileFault::Missing: return "le fichier n'existe pas.";
    case SnapshotFileFault::Directory: return "c'est un dossier, pas un fichier.";
    case SnapshotFileFault::NotRegular:
      return "ce n'est pas un fichier ordinaire (tube, périphérique ou socket).";
    case SnapshotFileFault::Denied: return "accès refusé.";
    case SnapshotFileFault::FolderMissing:
      return "le dossier " + std::string(folder) + " n'existe pas.";
    case SnapshotFileFault::DiskFull: return "plus de place sur le disque.";
    case SnapshotFileFault::ReadFailed: return "erreur de lecture.";
    case SnapshotFileFault::WriteFailed: return "erreur d'écriture.";
  }
  return "erreur de lecture.";
}

const char* Lead(SnapshotFileStep step) {
  switch (step) {
    case SnapshotFileStep::Open: return "Impossible d'ouvrir le fichier ";
    case SnapshotFileStep::Read: return "Impossible de lire le fichier ";
    case SnapshotFileStep::Write: return "Impossible d'enregistrer le fichier ";
  }
  return "Impossible d'ouvrir le fichier ";
}

}  // namespace

std::string SnapshotFaultMessage(SnapshotFileStep step, std::string_view path,
                                 SnapshotFileFault fault, std::string_view folder) {
  return Lead(step) + std::string(path) + " : " + Reason(fault, folder);
}

std::string SnapshotTooShortMessage(std::string_view path, uint64_t size) {
  return "Le fichier " + std::string(path) + " est trop court (" + std::to_string(size) +
         " octets au lieu de " + std::to_string(kSnapshotBytes) + ") : ce n'est pas un oscillogramme.";
}
