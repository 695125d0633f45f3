#pragma once
// The snapshot file type as the shells show it: the file dialogs' filter, the extension,
// the name the desktop registers the type under, and the title of a document with no file.
inline constexpr char kSnapshotTypeName[] = "Ruzirivadudid";
inline constexpr char kSnapshotFilter[] = "Ruzirivadudid (*.osc)";
inline constexpr char kSnapshotPattern[] = "*.osc";
inline constexpr char kSnapshotExtension[] = ".osc";
inline constexpr char kUntitledDocument[] = "Sans titre";
// The frame's title: the document's file name, " - ", the application title.
inline constexpr char kTitleSeparator[] = " - ";
