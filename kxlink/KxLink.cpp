// Placeholder entry points: every call is refused until the link engine lands.
#include "kxlink.h"

extern "C" {

void LoadDll(void) {}
void UnloadDll(void) {}
uint8_t OwnNodeID(uint32_t, uint32_t, uint32_t) { return 0; }
uint8_t OpenComPort(uint32_t, uint32_t, uint32_t, uint32_t, uint32_t) { return 0; }
void CloseComPort(void) {}
void CurrentWindow(KxWindowHandle) {}
uint8_t UserCommand(const uint8_t *) { return 0; }
void SendInitializationRequest(void) {}
void EnableWatchDogs(void) {}
void DisableWatchDogs(void) {}
void CheckForModem(void) {}
void SendToModem(const uint8_t *) {}
void SetModemEscSequence(const uint8_t *) {}
void SetModemHangUpCmd(const uint8_t *) {}
void HangUpModem(void) {}
void ModemDialBack(const uint8_t *) {}

}
