#include "Pdlldef.h"

#include "kxlink.h"

QByteArray shortText(const QByteArray &text)
{
    const QByteArray cut = text.left(255);
    QByteArray out;
    out.reserve(cut.size() + 1);
    out.append(char(quint8(cut.size())));
    out.append(cut);
    return out;
}

QByteArray shortTextContents(const QByteArray &posted)
{
    if (posted.isEmpty())
        return QByteArray();
    const int length = qMin(int(quint8(posted.at(0))), int(posted.size()) - 1);
    return posted.mid(1, length);
}

namespace {
const uint8_t *bytes(const QByteArray &a)
{
    return reinterpret_cast<const uint8_t *>(a.constData());
}
} // namespace

void KxLinkLibrary::LoadDll() { ::LoadDll(); }
void KxLinkLibrary::UnloadDll() { ::UnloadDll(); }
quint8 KxLinkLibrary::OwnNodeID(quint8 networkMode, quint8 reserved, quint8 ownNodeId)
{
    return ::OwnNodeID(networkMode, reserved, ownNodeId);
}
quint8 KxLinkLibrary::OpenComPort(quint32 port, quint32 baudRate, quint32 dataBits, quint32 stopBits, quint32 parity)
{
    return ::OpenComPort(port, baudRate, dataBits, stopBits, parity);
}
void KxLinkLibrary::CloseComPort() { ::CloseComPort(); }
void KxLinkLibrary::CurrentWindow(quintptr window) { ::CurrentWindow(window); }
quint8 KxLinkLibrary::UserCommand(const quint8 *record) { return ::UserCommand(record); }
void KxLinkLibrary::SendInitializationRequest() { ::SendInitializationRequest(); }
void KxLinkLibrary::EnableWatchDogs() { ::EnableWatchDogs(); }
void KxLinkLibrary::DisableWatchDogs() { ::DisableWatchDogs(); }
void KxLinkLibrary::CheckForModem() { ::CheckForModem(); }
void KxLinkLibrary::SendToModem(const QByteArray &line) { ::SendToModem(bytes(shortText(line))); }
void KxLinkLibrary::SetModemEscSequence(const QByteArray &sequence) { ::SetModemEscSequence(bytes(shortText(sequence))); }
void KxLinkLibrary::SetModemHangUpCmd(const QByteArray &command) { ::SetModemHangUpCmd(bytes(shortText(command))); }
void KxLinkLibrary::HangUpModem() { ::HangUpModem(); }
void KxLinkLibrary::ModemDialBack(const QByteArray &number) { ::ModemDialBack(bytes(shortText(number))); }
