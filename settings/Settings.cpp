#include "Settings.h"

#include "CodePage1252.h"
#include "IniFile.h"

#include <QCoreApplication>
#include <QUrl>

namespace {

QByteArray cut(const QByteArray &text, int capacity)
{
    return text.size() > capacity ? text.left(capacity) : text;
}

bool sameName(const QByteArray &a, const QByteArray &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool isBookkeeping(const QByteArray &section)
{
    return sameName(section, kxmodems::IndexSection) || sameName(section, kxmodems::DefaultsSection);
}

} // namespace

// ---------------------------------------------------------------------------
// KXCOM.INI

ComSettings readComSettings()
{
    using namespace kxcom;
    const platform::IniFile file(FileName);
    ComSettings s;
    s.ComPort = file.readString(Section, KeyComPort, DefaultComPort);
    s.BaudRate = file.readString(Section, KeyBaudRate, DefaultBaudRate);
    s.DataBits = file.readString(Section, KeyDataBits, DefaultDataBits);
    s.StopBits = file.readString(Section, KeyStopBits, DefaultStopBits);
    s.Parity = file.readString(Section, KeyParity, DefaultParity);
    s.Repeater = file.readString(Section, KeyRepeater, DefaultRepeater);
    return s;
}

void writeComSettings(const ComSettings &s)
{
    using namespace kxcom;
    platform::IniFile file(FileName);
    file.writeString(Section, KeyComPort, s.ComPort);
    file.writeString(Section, KeyBaudRate, s.BaudRate);
    file.writeString(Section, KeyDataBits, s.DataBits);
    file.writeString(Section, KeyStopBits, s.StopBits);
    file.writeString(Section, KeyParity, s.Parity);
    file.writeString(Section, KeyPanel, PanelValue);
    file.writeString(Section, KeyRepeater, s.Repeater);
}

// ---------------------------------------------------------------------------
// KXMOD.INI

ModemStrings readModemStrings()
{
    using namespace kxmod;
    const platform::IniFile file(FileName);
    ModemStrings s;
    s.InitString = cut(file.readString(Section, KeyInitString, DefaultInitString), StringCapacity);
    s.HangUpCmd = cut(file.readString(Section, KeyHangUpCmd, DefaultHangUpCmd), StringCapacity);
    s.EscSeq = cut(file.readString(Section, KeyEscSeq, DefaultEscSeq), StringCapacity);
    s.DialPrefix = cut(file.readString(Section, KeyDialPrefix, DefaultDialPrefix), StringCapacity);
    s.DialStr = cut(file.readString(Section, KeyDialStr, DefaultDialStr), StringCapacity);
    return s;
}

int readPreviousModem()
{
    using namespace kxmod;
    const QByteArray text = platform::IniFile(FileName).readString(Section, KeyPrevious, DefaultPrevious);
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok) {
        throw SettingsConversionError(QCoreApplication::translate("TForm1", "'%1' is not a valid integer value")
                                          .arg(platform::fromCp1252(text))
                                          .toStdString());
    }
    return value;
}

void writeModemSettings(const ModemStrings &s, int previous)
{
    using namespace kxmod;
    platform::IniFile file(FileName);
    file.writeString(Section, KeyInitString, cut(s.InitString, StringCapacity));
    file.writeString(Section, KeyHangUpCmd, cut(s.HangUpCmd, StringCapacity));
    file.writeString(Section, KeyEscSeq, cut(s.EscSeq, StringCapacity));
    file.writeString(Section, KeyDialPrefix, cut(s.DialPrefix, StringCapacity));
    file.writeString(Section, KeyDialStr, cut(s.DialStr, StringCapacity));
    file.writeInteger(Section, KeyPrevious, previous);
}

// ---------------------------------------------------------------------------
// KXMODEMS.INI

void ModemRecord::cutToCapacity()
{
    MODEL = cut(MODEL, kxmodems::ModelCapacity);
    InitStr = cut(InitStr, kxmodems::InitStrCapacity);
    EcsChars = cut(EcsChars, kxmodems::EcsCharsCapacity);
    HangUp = cut(HangUp, kxmodems::HangUpCapacity);
}

bool isValidModemModel(const QByteArray &model)
{
    return !model.trimmed().isEmpty() && !model.contains(']') && !model.contains('\r') && !model.contains('\n')
        && !model.contains('\0') && !isBookkeeping(model);
}

QList<QByteArray> ModemStore::keys() const
{
    QList<QByteArray> models;
    for (const QByteArray &section : platform::IniFile(m_fileName).readSections()) {
        if (!isBookkeeping(section))
            models.append(section);
    }
    return models;
}

bool ModemStore::contains(const QByteArray &model) const
{
    return isValidModemModel(model) && platform::IniFile(m_fileName).sectionExists(model);
}

void ModemStore::write(const ModemRecord &r)
{
    using namespace kxmodems;
    platform::IniFile file(m_fileName);
    file.writeString(r.MODEL, FieldModel, r.MODEL);
    file.writeString(r.MODEL, FieldInitStr, r.InitStr);
    file.writeString(r.MODEL, FieldEcsChars, r.EcsChars);
    file.writeString(r.MODEL, FieldHangUp, r.HangUp);
}

void ModemStore::add(const ModemRecord &record)
{
    ModemRecord r = record;
    r.cutToCapacity();
    if (!isValidModemModel(r.MODEL))
        throw ModemStoreError("Invalid model name");
    if (contains(r.MODEL))
        throw ModemStoreError("A record with that model exists");
    write(r);
}

void ModemStore::update(const QByteArray &model, const ModemRecord &record)
{
    ModemRecord r = record;
    r.cutToCapacity();
    if (!contains(model))
        throw ModemStoreError("Record not found");
    if (!isValidModemModel(r.MODEL))
        throw ModemStoreError("Invalid model name");
    const bool renamed = !sameName(model, r.MODEL);
    if (renamed && contains(r.MODEL))
        throw ModemStoreError("A record with that model exists");
    // The new record is written before the old one goes, so that a failed
    // write loses nothing.
    write(r);
    if (renamed)
        platform::IniFile(m_fileName).eraseSection(model);
}

void ModemStore::remove(const QByteArray &model)
{
    if (!contains(model))
        throw ModemStoreError("Record not found");
    platform::IniFile(m_fileName).eraseSection(model);
}

ModemRecord ModemStore::read(const QByteArray &model) const
{
    using namespace kxmodems;
    if (!contains(model))
        throw ModemStoreError("Record not found");
    const platform::IniFile file(m_fileName);
    ModemRecord r;
    r.MODEL = file.readString(model, FieldModel, model);
    r.InitStr = file.readString(model, FieldInitStr, QByteArrayLiteral("none"));
    r.EcsChars = file.readString(model, FieldEcsChars, QByteArrayLiteral("none"));
    r.HangUp = file.readString(model, FieldHangUp, QByteArrayLiteral("none"));
    r.cutToCapacity();
    return r;
}

// ---------------------------------------------------------------------------
// KXPORTS.INI

QMap<int, QString> readPortMap()
{
    QMap<int, QString> map;
    const platform::IniFile file(kxports::FileName);
    for (const QByteArray &key : file.readSection(kxports::Section)) {
        bool ok = false;
        const int port = key.trimmed().toInt(&ok, 10);
        if (!ok || port < kxports::FirstPort || port > kxports::LastPort)
            continue;
        const QByteArray device = file.readString(kxports::Section, key, QByteArray()).trimmed();
        if (!device.isEmpty())
            map.insert(port, QString::fromLocal8Bit(device));
    }
    return map;
}

void writePortMapEntry(int port, const QString &device)
{
    platform::IniFile file(kxports::FileName);
    const QByteArray key = QByteArray::number(port);
    if (device.isEmpty())
        file.deleteKey(kxports::Section, key);
    else
        file.writeString(kxports::Section, key, device.toLocal8Bit());
}

bool isValidPortDevice(const QString &device)
{
    if (device.isEmpty() || device.trimmed() != device || device.contains(QLatin1Char('\n'))
        || device.contains(QLatin1Char('\r')) || device.contains(QChar(0)))
        return false;
    if (!device.startsWith(QLatin1String("tcp://"), Qt::CaseInsensitive))
        return !device.contains(QLatin1String("://"));
    const QString rest = device.mid(6);
    const int colon = rest.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return false;
    QString host = rest.left(colon);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    if (host.isEmpty() || host.contains(QLatin1Char('/')) || host.contains(QLatin1Char(' ')))
        return false;
    bool ok = false;
    const int port = rest.mid(colon + 1).toInt(&ok, 10);
    return ok && port >= 1 && port <= 65535 && rest.mid(colon + 1) == QString::number(port);
}
