#pragma once

#include <QString>

namespace nimbrel::platform {

// A folder being filled that must not outlive the program. While the object lives, SIGINT and
// SIGTERM remove the folder and its files before the program ends as the signal asks, and a
// lock held on the folder tells a later run that its maker is still at work.
class PartialFolder {
public:
    explicit PartialFolder(const QString& path);
    ~PartialFolder();
    PartialFolder(const PartialFolder&) = delete;
    PartialFolder& operator=(const PartialFolder&) = delete;

private:
    int m_slot = -1;
    int m_lock = -1;
};

// Removes the folders in parent named prefix + six characters whose maker has gone (killed, so
// its lock is free): leftovers of an earlier run into the same place.
void removeAbandonedFolders(const QString& parent, const QString& prefix);

// The permissions a new folder gets from the user's umask (0755 under umask 022).
unsigned newFolderMode();

} // namespace nimbrel::platform
