/*
 * kxlink: the panel communications library.
 *
 * The station program calls these 16 functions; the library reports
 * everything back by posting window messages (WM_USER + n) through the
 * posting seam to the window last named by CurrentWindow().
 *
 *   WM_USER+0x00  raw frame received   WParam = frame length;
 *                                       bytes = 3 header bytes, then the frame
 *   WM_USER+0x01  the link to the panel is ready
 *   WM_USER+0x03  raw frame sent       WParam = frame length; bytes = frame
 *   WM_USER+0x04  link state           WParam = 0 idle, 1 waiting for ack,
 *                                       2 no response, 3 acknowledged,
 *                                       4 message received
 *   WM_USER+0x05  line signals         bytes = TX RX CTS DCD DSR RI
 *   WM_USER+0x06  line sent to the modem      bytes = short text
 *   WM_USER+0x07  line received from modem    bytes = short text
 *   WM_USER+0x09  CheckForModem result         LParam = 0 or 1
 *   WM_USER+0x0C  unsolicited record   bytes = link message record
 *   WM_USER+0x0D  reply record         bytes = link message record
 *
 * Link message record: node, message code, payload length n, n payload bytes.
 * Command record: destination node, command code, payload length n, payload.
 * Short text: one length byte, then that many 8-bit characters.
 *
 * Functions returning uint8_t return 1 for success; anything else is failure.
 * Every call returns promptly: the work happens on the library's I/O thread.
 * OpenComPort and CloseComPort wait for the opening or closing itself (a TCP
 * connection: at most 5 s), never for line traffic. Before LoadDll and after
 * UnloadDll every call is refused (returns 0) or does nothing.
 * The wire protocol is described in docs/link-protocol.md.
 */
#ifndef KXLINK_H
#define KXLINK_H

#include <stdint.h>

#if defined(_WIN32)
#  if defined(KXLINK_BUILDING)
#    define KXLINK_API __declspec(dllexport)
#  else
#    define KXLINK_API __declspec(dllimport)
#  endif
#else
#  define KXLINK_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* A window handle as the posting seam hands them out; 0 names no window. */
typedef uintptr_t KxWindowHandle;

enum {
    KX_WM_USER = 0x400,
    KX_MSG_RAW_RECEIVED = KX_WM_USER + 0x00,
    KX_MSG_LINK_READY = KX_WM_USER + 0x01,
    KX_MSG_RAW_SENT = KX_WM_USER + 0x03,
    KX_MSG_LINK_STATE = KX_WM_USER + 0x04,
    KX_MSG_LINE_SIGNALS = KX_WM_USER + 0x05,
    KX_MSG_MODEM_SENT = KX_WM_USER + 0x06,
    KX_MSG_MODEM_RECEIVED = KX_WM_USER + 0x07,
    KX_MSG_MODEM_CHECK = KX_WM_USER + 0x09,
    KX_MSG_UNSOLICITED = KX_WM_USER + 0x0C,
    KX_MSG_REPLY = KX_WM_USER + 0x0D
};

enum {
    KX_STATE_IDLE = 0,
    KX_STATE_WAITING_FOR_ACK = 1,
    KX_STATE_NO_RESPONSE = 2,
    KX_STATE_ACKNOWLEDGED = 3,
    KX_STATE_MESSAGE_RECEIVED = 4
};

/* Starts the library (its I/O thread). Call once before any other function. */
KXLINK_API void LoadDll(void);

/* Closes the port if open and stops the library. */
KXLINK_API void UnloadDll(void);

/* Sets the station's own node id used as source of every frame.
 * networkMode: 0 "15/15", 1 "7/31", 2 "31/7" (3 is accepted too);
 * reserved: always 0; ownNodeId: 1..254.
 * Returns 1 when accepted, 0 for an id of 0 or 255 or a mode above 3. */
KXLINK_API uint8_t OwnNodeID(uint32_t networkMode, uint32_t reserved, uint32_t ownNodeId);

/* Opens COM port `port` (1..99) through the port map (KXPORTS.INI, section
 * "Ports"): a serial device, tcp://host:port, or a pseudo-terminal path.
 * parity: 0 None, 1 Odd, 2 Even, 3 Mark, 4 Space.
 * Returns 1 when the port is open, 0 otherwise. An open port is closed first. */
KXLINK_API uint8_t OpenComPort(uint32_t port, uint32_t baudRate, uint32_t dataBits,
                               uint32_t stopBits, uint32_t parity);

/* Closes the port. Safe at any moment, also when none is open. */
KXLINK_API void CloseComPort(void);

/* Names the window that receives the library's messages from now on. */
KXLINK_API void CurrentWindow(KxWindowHandle window);

/* Queues one command record for sending. The record is read during the call
 * only. Returns 1 when accepted; the link-state report 1 has then already
 * been posted. Refused (0) when no port is open or 16 commands already wait
 * behind the one being sent. A command that nothing can carry (the modem in
 * command mode, a hang-up under way, the port gone) is accepted and then
 * reported as link state 2. */
KXLINK_API uint8_t UserCommand(const uint8_t *record);

/* Asks the panel network to (re)start the link; its acknowledgement is
 * reported as WM_USER+0x01. */
KXLINK_API void SendInitializationRequest(void);

KXLINK_API void EnableWatchDogs(void);
KXLINK_API void DisableWatchDogs(void);

/* Asks the modem for "OK"; the answer comes as WM_USER+0x09 (at once with
 * 1 while a call is up, with 0 when no port is open). */
KXLINK_API void CheckForModem(void);

/* Sends one modem command line (a short text); CR is appended. */
KXLINK_API void SendToModem(const uint8_t *shortText);

/* The escape sequence (normally "+++") used to leave data mode. */
KXLINK_API void SetModemEscSequence(const uint8_t *shortText);

/* The hang-up command (normally "ATH0"). */
KXLINK_API void SetModemHangUpCmd(const uint8_t *shortText);

/* Ends a modem call: guard time, escape sequence, guard time, hang-up command. */
KXLINK_API void HangUpModem(void);

/* Hangs up the current call and has the modem call the given number. */
KXLINK_API void ModemDialBack(const uint8_t *shortText);

#ifdef __cplusplus
}
#endif

#endif /* KXLINK_H */
