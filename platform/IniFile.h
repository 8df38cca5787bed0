#pragma once
// Ini files with the semantics of the Windows profile functions.
//
// - Sections and keys are matched without regard to letter case; the file
//   keeps the case in which a section or key was first written.
// - Values are kept byte for byte (8-bit text, code page 1252); nothing is
//   escaped or unescaped, so "AT&F0L3\N0\J0\Q3&Q0%C0S0=1&W0" reads back as
//   written.
// - A missing file, section or key reads as the default given by the caller.
// - Each operation reads (and, for a write, rewrites) the file, one key at a
//   time; the file and its directory are created on the first write.
// - Names and values are C strings: they end at a zero byte. A line break
//   inside a value is written as a blank, so a value can never add keys or
//   sections; a section or key name that the file cannot hold (empty, with a
//   line break, "]" in a section, "=" in a key) is refused with IniError.
// - Files are written whole and atomically (a new file replaces the old one),
//   with CR LF line ends; both CR LF and LF files are read. Blanks around a
//   value are not part of it; comment lines (";" or "#") are kept.
// - A bare file name ("KXCOM.INI") resolves to the settings directory
//   ($VELMORA_WINDIR, else the per-user config directory ~/.config/velmora);
//   any name with a directory part is used as given (relative to the
//   current directory).

#include <QByteArray>
#include <QList>
#include <QString>

#include <stdexcept>

namespace platform {

class IniError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

class IniFile
{
public:
    explicit IniFile(const QString &fileName);

    // The path the name resolved to.
    const QString &fileName() const { return m_path; }

    QByteArray readString(const QByteArray &section, const QByteArray &key, const QByteArray &defaultValue) const;
    // Decimal text (hexadecimal with "$" or "0x" is also read); a missing key
    // or a value that is not a whole 32-bit number gives the default.
    int readInteger(const QByteArray &section, const QByteArray &key, int defaultValue) const;
    // "0" is false, any other number true; otherwise the default.
    bool readBool(const QByteArray &section, const QByteArray &key, bool defaultValue) const;

    // Write one key; throw IniError when the file cannot be written.
    void writeString(const QByteArray &section, const QByteArray &key, const QByteArray &value);
    void writeInteger(const QByteArray &section, const QByteArray &key, int value);
    void writeBool(const QByteArray &section, const QByteArray &key, bool value);

    // Section names in file order; empty for a missing file. Throws IniError
    // when the file exists but cannot be read.
    QList<QByteArray> readSections() const;
    // Key names of one section in file order.
    QList<QByteArray> readSection(const QByteArray &section) const;
    // True when the file has a section of that name, even an empty one.
    bool sectionExists(const QByteArray &section) const;
    bool valueExists(const QByteArray &section, const QByteArray &key) const;

    void eraseSection(const QByteArray &section);
    void deleteKey(const QByteArray &section, const QByteArray &key);

    // The directory that bare file names resolve to.
    static QString settingsDirectory();
    static QString resolve(const QString &fileName);

private:
    QString m_path;
};

} // namespace platform
