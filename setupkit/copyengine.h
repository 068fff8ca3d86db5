#pragma once
// The copy engine: copies a list of files, each into its final name only once
// it is whole, reporting progress after every piece and stopping when asked.
#include <QString>

#include <functional>
#include <vector>

namespace setupkit {

struct CopyItem {
    QString source;
    QString destination;
};

// Results of copyFiles(); any result but copyDone is a failure.
enum CopyResult : int {
    copyDone = 0,
    copySourceUnreadable = 1,
    copyFolderNotMade = 2,
    copyWriteFailed = 3,
    copyStopped = 48,
};

struct CopyProgress {
    int filesDone = 0;
    int fileCount = 0;
    qint64 bytesDone = 0;
    qint64 bytesTotal = 0;
    QString current; // destination of the file being copied
};

// Returns false to stop the copy.
using CopyProgressFn = std::function<bool(const CopyProgress&)>;

// The sources must be regular files (a pipe never blocks the copy). Each file
// is written beside its final name and renamed over it when complete, with
// the source's permissions; a failed or stopped file leaves nothing behind.
// Nothing is written through a link: one standing at a final name is
// replaced, and a folder or other non-file there fails the copy
// (copyWriteFailed); destination folders are reached as openFolder() does
// (copyFolderNotMade). Files copied before a failure stay.
CopyResult copyFiles(const std::vector<CopyItem>& items, const CopyProgressFn& progress);

} // namespace setupkit
