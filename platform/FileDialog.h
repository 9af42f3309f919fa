#pragma once
// The one file-dialog function pair used for Open and Save As. A cancelled dialog gives
// no path. Tests install a backend that returns scripted paths.
#include <QString>
#include <optional>

namespace FileDialog {

struct Request {
    QString title;
    QString filter;      // "Data File (*.dat)|*.dat": description|pattern pairs
    QString fileName;    // initial file name or path
    QString defaultExt;  // without the dot, e.g. "dat"
};

class Backend {
public:
    virtual ~Backend() = default;
    virtual std::optional<QString> GetOpenFileName(const Request& request) = 0;
    virtual std::optional<QString> GetSaveFileName(const Request& request) = 0;
};

std::optional<QString> GetOpenFileName(const Request& request);
// A chosen name without an extension gets request.defaultExt (whatever the backend). The
// dialog does not ask before an existing file is chosen: the caller asks about what it writes.
std::optional<QString> GetSaveFileName(const Request& request);

// Installs a backend (nullptr puts the QFileDialog backend back). The caller keeps ownership.
void SetBackend(Backend* backend);

// A filter of description|pattern pairs in Qt's form: "Data File (*.dat)|*.dat" gives
// "Data File (*.dat)"; pairs are joined with ";;", patterns "a;b" become "a b", "*.*"
// becomes "*".
QString ToQtFilter(const QString& classicFilter);

// path with "." and ext appended when its file name has no extension and ext is not empty.
QString WithDefaultExtension(const QString& path, const QString& ext);

}  // namespace FileDialog
