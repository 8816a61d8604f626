#pragma once

#include <QString>
#include <QStringList>

// Which local files an export may embed as images: regular files (after links) inside the
// document's folder or inside a folder the user granted (Allow Access to Folder…). Anything
// else on the disk, devices and the network stay out. Made on the main thread, where the
// grants are kept; a plain value that any thread may ask afterwards.
class ImageAccess {
public:
    ImageAccess() = default; // no document folder, no grants: nothing is allowed

    // The grants as they stand now, and the document's folder (empty for an unsaved one).
    static ImageAccess forDocument(const QString& documentFolder);

    // The folder relative image paths resolve against, canonical; empty when none.
    const QString& documentFolder() const { return m_documentFolder; }
    bool allows(const QString& path) const;
    // Tells two apart: equal keys resolve and allow the same files.
    QString key() const { return m_documentFolder + u'\n' + m_folders.join(u'\n'); }

private:
    QString m_documentFolder;
    QStringList m_folders; // canonical, sorted
};
