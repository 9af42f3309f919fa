#include "platform/FileDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace FileDialog {
namespace {

QString QtPatterns(const QString& classicPatterns)
{
    QStringList patterns;
    for (const QString& part : classicPatterns.split(u';', Qt::SkipEmptyParts)) {
        const QString pattern = part.trimmed();
        if (!pattern.isEmpty())
            patterns << (pattern == u"*.*" ? QStringLiteral("*") : pattern);
    }
    return patterns.isEmpty() ? QStringLiteral("*") : patterns.join(u' ');
}

// The program's descriptions often repeat their patterns in brackets ("Data File (*.dat)");
// Qt takes the patterns from the last brackets, so a repeated list is dropped and the real
// one appended.
QString Description(const QString& classic)
{
    QString text = classic.trimmed();
    const qsizetype open = text.lastIndexOf(u'(');
    if (text.endsWith(u')') && open >= 0) {
        const QStringView inner = QStringView(text).mid(open + 1, text.size() - open - 2);
        if (inner.contains(u'*') || inner.contains(u'?'))
            text = text.left(open).trimmed();
    }
    return text;
}

std::optional<QString> RunDialog(const Request& request, QFileDialog::AcceptMode mode)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return std::nullopt;
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.fileName,
                       ToQtFilter(request.filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultExt);
    // The command that saves asks before replacing: it alone knows every file it writes
    // (a data file's channel file, an extension it adds to the name).
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty())
        return std::nullopt;
    return files.first();
}

class QtFileDialogs final : public Backend {
public:
    std::optional<QString> GetOpenFileName(const Request& request) override
    {
        return RunDialog(request, QFileDialog::AcceptOpen);
    }
    std::optional<QString> GetSaveFileName(const Request& request) override
    {
        return RunDialog(request, QFileDialog::AcceptSave);
    }
};

QtFileDialogs qtFileDialogs;
Backend* current = &qtFileDialogs;

}  // namespace

std::optional<QString> GetOpenFileName(const Request& request) { return current->GetOpenFileName(request); }

std::optional<QString> GetSaveFileName(const Request& request)
{
    const std::optional<QString> path = current->GetSaveFileName(request);
    if (!path)
        return std::nullopt;
    return WithDefaultExtension(*path, request.defaultExt);
}

void SetBackend(Backend* backend) { current = backend ? backend : &qtFileDialogs; }

QString ToQtFilter(const QString& classicFilter)
{
    const QStringList parts = classicFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {  // a description without patterns is dropped
        const QString description = Description(parts[i]);
        const QString patterns = QtPatterns(parts[i + 1]);
        filters << (description.isEmpty() ? patterns : description + QStringLiteral(" (") + patterns + u')');
    }
    return filters.join(QStringLiteral(";;"));
}

QString WithDefaultExtension(const QString& path, const QString& ext)
{
    if (ext.isEmpty() || path.isEmpty() || path.endsWith(u'/') || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path.endsWith(u'.') ? path + ext : path + u'.' + ext;
}

}  // namespace FileDialog
