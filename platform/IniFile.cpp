#include "IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSaveFile>
#include <QStandardPaths>

// 8-bit text, no conversion: values are kept byte for byte. The Debian
// header keeps the template definitions behind SI_IMPLEMENTATION; this file
// instantiates them for its own comparison class.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <limits>

namespace platform {

namespace {

// Case-insensitive comparison of 8-bit names in code page 1252, the way the
// profile functions match section and key names: ASCII letters and the
// accented letters of the code page compare equal to their other case.
unsigned char foldCase(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return c + 0x20;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 0x20;
    switch (c) {
    case 0x8A: return 0x9A; // S caron
    case 0x8C: return 0x9C; // OE ligature
    case 0x8E: return 0x9E; // Z caron
    case 0x9F: return 0xFF; // Y diaeresis
    default: return c;
    }
}

struct Cp1252NoCase
{
    bool operator()(const char *left, const char *right) const
    {
        for (; *left && *right; ++left, ++right) {
            const int cmp = int(foldCase(static_cast<unsigned char>(*left)))
                - int(foldCase(static_cast<unsigned char>(*right)));
            if (cmp != 0)
                return cmp < 0;
        }
        return *right != 0;
    }
};

using Ini = CSimpleIniTempl<char, Cp1252NoCase, SI_ConvertA<char>>;

// Collects the saved text, ending every line with CR LF.
class CrlfWriter : public Ini::OutputWriter
{
public:
    explicit CrlfWriter(QByteArray &out) : m_out(out) {}

    void Write(const char *text) override
    {
        for (const char *p = text; *p; ++p) {
            if (*p == '\n' && m_last != '\r')
                m_out.append('\r');
            m_out.append(*p);
            m_last = *p;
        }
    }

private:
    QByteArray &m_out;
    char m_last = 0;
};

// One read-modify-write of a file at a time within the process, so that two
// threads writing keys of the same file never lose each other's key.
QMutex &fileMutex()
{
    static QMutex mutex;
    return mutex;
}

void configure(Ini &ini)
{
    ini.SetUnicode(false);
    // Duplicate keys stay as they are in the file; lookups see the first,
    // as the profile functions do.
    ini.SetMultiKey(true);
    ini.SetMultiLine(false);
    ini.SetQuotes(false);
    ini.SetSpaces(false);
    ini.SetAllowKeyOnly(false);
}

// Loads the file into `ini`. A missing file loads as empty. Returns false
// when the file exists but cannot be read.
bool load(const QString &path, Ini &ini)
{
    configure(ini);
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    return ini.LoadData(data.constData(), size_t(data.size())) >= 0;
}

void loadForWrite(const QString &path, Ini &ini)
{
    if (!load(path, ini))
        throw IniError(QStringLiteral("Cannot read the settings file %1").arg(path).toStdString());
}

void save(const QString &path, const Ini &ini)
{
    QByteArray text;
    CrlfWriter writer(text);
    if (ini.Save(writer, false) < 0)
        throw IniError(QStringLiteral("Cannot write the settings file %1").arg(path).toStdString());
    // One blank line between sections, not two.
    while (text.contains("\r\n\r\n\r\n"))
        text.replace("\r\n\r\n\r\n", "\r\n\r\n");

    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        throw IniError(QStringLiteral("Cannot create the folder %1").arg(info.absolutePath()).toStdString());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        throw IniError(QStringLiteral("Cannot write the settings file %1: %2").arg(path, file.errorString()).toStdString());
}

// The profile functions take C strings: a name or value ends at its first
// zero byte (panel texts padded with zeros lose their padding).
QByteArray cString(const QByteArray &text)
{
    const qsizetype nul = text.indexOf('\0');
    return nul < 0 ? text : text.left(nul);
}

bool hasLineBreak(const QByteArray &text)
{
    return text.contains('\r') || text.contains('\n');
}

// A section name that the file can hold: not empty, no line break, no "]".
bool validSection(const QByteArray &section)
{
    return !section.trimmed().isEmpty() && !hasLineBreak(section) && !section.contains(']');
}

// A key name that the file can hold: not empty, no line break, no "=", and
// not starting like a section header or a comment.
bool validKey(const QByteArray &key)
{
    const QByteArray k = key.trimmed();
    return !k.isEmpty() && !hasLineBreak(key) && !key.contains('=')
        && !k.startsWith('[') && !k.startsWith(';') && !k.startsWith('#');
}

void requireNames(const QString &path, const QByteArray &section, const QByteArray *key)
{
    if (!validSection(section))
        throw IniError(QStringLiteral("Invalid section name \"%1\" for the settings file %2")
                           .arg(QString::fromLatin1(section), path).toStdString());
    if (key && !validKey(*key))
        throw IniError(QStringLiteral("Invalid key name \"%1\" for the settings file %2")
                           .arg(QString::fromLatin1(*key), path).toStdString());
}

// A line break inside a value would end the line early and let the rest of
// the value be read as further keys or sections; it is written as a blank.
QByteArray storableValue(const QByteArray &value)
{
    QByteArray v = cString(value);
    v.replace('\r', ' ');
    v.replace('\n', ' ');
    return v;
}

bool parseInteger(const QByteArray &text, int &value)
{
    const QByteArray t = text.trimmed();
    if (t.isEmpty())
        return false;
    bool ok = false;
    // Hexadecimal with "$" or "0x", as the ini-file class of the original
    // platform accepted; otherwise a signed decimal number.
    if (t.startsWith('$') || t.startsWith("0x") || t.startsWith("0X")) {
        const QByteArray digits = t.mid(t.startsWith('$') ? 1 : 2);
        if (digits.isEmpty() || digits.startsWith('-') || digits.startsWith('+'))
            return false;
        const quint32 v = digits.toUInt(&ok, 16);
        if (!ok)
            return false;
        value = int(v);
        return true;
    }
    const qlonglong v = t.toLongLong(&ok, 10);
    if (!ok || v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        return false;
    value = int(v);
    return true;
}

} // namespace

IniFile::IniFile(const QString &fileName)
    : m_path(resolve(fileName))
{
}

QString IniFile::settingsDirectory()
{
    const QString windir = qEnvironmentVariable("VELMORA_WINDIR");
    if (!windir.isEmpty())
        return QDir::cleanPath(windir);
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/velmora");
}

QString IniFile::resolve(const QString &fileName)
{
    QString name = fileName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!name.contains(QLatin1Char('/')))
        return settingsDirectory() + QLatin1Char('/') + name;
    return name;
}

QByteArray IniFile::readString(const QByteArray &section, const QByteArray &key, const QByteArray &defaultValue) const
{
    const QByteArray s = cString(section);
    const QByteArray k = cString(key);
    if (s.isEmpty() || k.isEmpty())
        return defaultValue;
    QMutexLocker lock(&fileMutex());
    Ini ini;
    if (!load(m_path, ini))
        return defaultValue;
    const char *value = ini.GetValue(s.constData(), k.constData(), nullptr);
    if (!value)
        return defaultValue;
    return QByteArray(value);
}

int IniFile::readInteger(const QByteArray &section, const QByteArray &key, int defaultValue) const
{
    int value = 0;
    if (!parseInteger(readString(section, key, QByteArray()), value))
        return defaultValue;
    return value;
}

bool IniFile::readBool(const QByteArray &section, const QByteArray &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::writeString(const QByteArray &section, const QByteArray &key, const QByteArray &value)
{
    const QByteArray s = cString(section);
    const QByteArray k = cString(key);
    requireNames(m_path, s, &k);
    const QByteArray v = storableValue(value);
    QMutexLocker lock(&fileMutex());
    Ini ini;
    loadForWrite(m_path, ini);
    // An existing key keeps the case in which it was first written.
    QByteArray storedKey = k;
    if (const Ini::TKeyVal *keys = ini.GetSection(s.constData())) {
        const auto it = keys->find(Ini::Entry(k.constData()));
        if (it != keys->end())
            storedKey = QByteArray(it->first.pItem);
    }
    if (ini.SetValue(s.constData(), storedKey.constData(), v.constData(), nullptr, true) < 0)
        throw IniError(QStringLiteral("Cannot write the settings file %1").arg(m_path).toStdString());
    save(m_path, ini);
}

void IniFile::writeInteger(const QByteArray &section, const QByteArray &key, int value)
{
    writeString(section, key, QByteArray::number(value));
}

void IniFile::writeBool(const QByteArray &section, const QByteArray &key, bool value)
{
    writeString(section, key, value ? QByteArrayLiteral("1") : QByteArrayLiteral("0"));
}

QList<QByteArray> IniFile::readSections() const
{
    QMutexLocker lock(&fileMutex());
    Ini ini;
    if (!load(m_path, ini))
        throw IniError(QStringLiteral("Cannot read the settings file %1").arg(m_path).toStdString());
    Ini::TNamesDepend names;
    ini.GetAllSections(names);
    names.sort(Ini::Entry::LoadOrder());
    QList<QByteArray> result;
    for (const Ini::Entry &entry : names) {
        // Keys above the first section header belong to no section.
        if (*entry.pItem)
            result.append(QByteArray(entry.pItem));
    }
    return result;
}

QList<QByteArray> IniFile::readSection(const QByteArray &section) const
{
    const QByteArray s = cString(section);
    QList<QByteArray> result;
    if (s.isEmpty())
        return result;
    QMutexLocker lock(&fileMutex());
    Ini ini;
    if (!load(m_path, ini))
        throw IniError(QStringLiteral("Cannot read the settings file %1").arg(m_path).toStdString());
    Ini::TNamesDepend names;
    ini.GetAllKeys(s.constData(), names);
    names.sort(Ini::Entry::LoadOrder());
    for (const Ini::Entry &entry : names)
        result.append(QByteArray(entry.pItem));
    return result;
}

bool IniFile::sectionExists(const QByteArray &section) const
{
    const QByteArray s = cString(section);
    if (s.isEmpty())
        return false;
    QMutexLocker lock(&fileMutex());
    Ini ini;
    if (!load(m_path, ini))
        return false;
    return ini.GetSection(s.constData()) != nullptr;
}

bool IniFile::valueExists(const QByteArray &section, const QByteArray &key) const
{
    const QByteArray s = cString(section);
    const QByteArray k = cString(key);
    if (s.isEmpty() || k.isEmpty())
        return false;
    QMutexLocker lock(&fileMutex());
    Ini ini;
    if (!load(m_path, ini))
        return false;
    return ini.GetValue(s.constData(), k.constData(), nullptr) != nullptr;
}

void IniFile::eraseSection(const QByteArray &section)
{
    const QByteArray s = cString(section);
    if (s.isEmpty())
        return;
    QMutexLocker lock(&fileMutex());
    if (!QFile::exists(m_path))
        return;
    Ini ini;
    loadForWrite(m_path, ini);
    if (ini.Delete(s.constData(), nullptr))
        save(m_path, ini);
}

void IniFile::deleteKey(const QByteArray &section, const QByteArray &key)
{
    const QByteArray s = cString(section);
    const QByteArray k = cString(key);
    if (s.isEmpty() || k.isEmpty())
        return;
    QMutexLocker lock(&fileMutex());
    if (!QFile::exists(m_path))
        return;
    Ini ini;
    loadForWrite(m_path, ini);
    if (ini.Delete(s.constData(), k.constData()))
        save(m_path, ini);
}

} // namespace platform
