#pragma once
// Profile (INI) files, read and written by this program's rules: section and key names
// match without regard to case, every other line and comment of the file is kept, a write
// creates the file and the section when they are missing, a value is returned trimmed and
// cut at 511 characters.
#include <QString>

namespace ProfileIni {

// The value of key in section, or def when the file, the section or the key is missing.
// Only the first section of a name and its first line of the key count. Whatever is
// returned (def too) is trimmed of blanks and tabs and cut at 511 characters.
QString GetPrivateProfileString(const QString& section, const QString& key, const QString& def,
                                const QString& file);

// Writes key=value into section, replacing the key's line when it exists (keeping its
// place), appending it to the section otherwise. Returns false when the file cannot be written
// (a missing folder included) and for names or values that would not read back (line breaks,
// "]" in a section, "=" in a key); the old file is then left as it was.
// A write that would leave the file's bytes as they are succeeds without touching the file.
bool WritePrivateProfileString(const QString& section, const QString& key, const QString& value,
                               const QString& file);

}  // namespace ProfileIni
