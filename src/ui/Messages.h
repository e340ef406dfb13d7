#pragma once

#include "ui/Platform.h"

class QWidget;

namespace dp {

class AppContext;
class StorageError;

// The archive error box every archive screen shows when a record-file action fails.
void reportArchiveError(AppContext& ctx, QWidget* parent);
// The same for a caught error, which may also say that another workstation kept the archive
// locked: then the user is told the archive is busy and to try again.
void reportArchiveError(AppContext& ctx, QWidget* parent, const StorageError& error);
// The same when only the outcome was kept: `busy` when another workstation kept it locked.
void reportArchiveError(AppContext& ctx, QWidget* parent, bool busy);

// The notices of a failed archive action: the archive cannot be reached, the disk of the
// program directory is full, or another workstation keeps it busy.
extern const QString kArchiveErrorText;
extern const QString kArchiveFullText;
extern const QString kArchiveBusyText;

// A sheet saved over a record that another workstation changed after the sheet showed it.
void reportChangedElsewhere(AppContext& ctx, QWidget* parent);
extern const QString kChangedElsewhereText;

// Hands a file to the desktop's program for it, as a file location; when nothing opens it the
// user is told, instead of waiting for a window that never comes.
void openFileOnDesktop(Platform& platform, QWidget* parent, const QString& path);
extern const QString kNotOpenedText; // %1: the file's name

} // namespace dp
