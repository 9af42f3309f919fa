#pragma once
// The one file-dialog function pair used for Open and Save As. A cancelled dialog gives
// no path. Tests install a backend that returns scripted paths.
#include <QString>
#include <optional>

namespace FileDialog {

struct Request {
    QString title;
    QString filter;      // classic form: "Data File (*.dat)|*.dat" (description|pattern pairs)
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
std::optional<QString> GetSaveFileName(const Request& request);

// Installs a backend (nullptr puts the QFileDialog backend back). The caller keeps ownership.
void SetBackend(Backend* backend);

}  // namespace FileDialog
