#include "PanelFront.h"

namespace panelsim {

namespace {

constexpr char kEsc = 27;
constexpr quint8 kStatusShown = 2;
constexpr quint8 kStatusEnded = 5;
constexpr int kMaxPayload = 255;

// Keys (the key command's code)
constexpr quint8 kKeyScroll = 1;
constexpr quint8 kKeyLeft = 8;
constexpr quint8 kKeySilenceBuzzer = 9;
constexpr quint8 kKeyDown = 10;
constexpr quint8 kKeyReset = 11;
constexpr quint8 kKeyDisable = 12;
constexpr quint8 kKeyEnter = 13;
constexpr quint8 kKeyTest = 14;
constexpr quint8 kKeySound = 15;
constexpr quint8 kKeySoundSilence = 18;
constexpr quint8 kKeyUp = 26;
constexpr quint8 kKeyExit = 27;

// LED state indexes (payload byte - 14)
constexpr int kLedFire1 = 14 - 14;
constexpr int kLedFire2 = 15 - 14;
constexpr int kLedProcRun = 16 - 14;
constexpr int kLedDisable = 18 - 14;
constexpr int kLedFault = 19 - 14;
constexpr int kLedSupplyOn = 20 - 14;
constexpr int kLedSoundSilence = 34 - 14;
constexpr int kLedSound = 37 - 14;
constexpr int kLedTest = 42 - 14;
constexpr int kLedControlsDisable = 43 - 14;
constexpr int kLedSilenceBuzzer = 45 - 14;

constexpr int kMenuItems = 4;
const char *const kMenu[kMenuItems] = {"ALARMS AND FAULTS", "DISABLEMENTS", "TEST", "DETECTOR LEVELS"};

// Detector levels of the graph screen, in percent; 80 % is the alarm level.
constexpr int kLevels[6] = {35, 52, 18, 86, 44, 61};
constexpr int kAlarmLevel = 80;

QByteArray bytes(std::initializer_list<char> list)
{
    return QByteArray(list.begin(), qsizetype(list.size()));
}

QByteArray padded(QByteArray text)
{
    text.truncate(40);
    return text + QByteArray(40 - text.size(), ' ');
}

QByteArray cursor(int row, int column)
{
    return bytes({kEsc, 'Y', char(32 + row), char(32 + column)});
}

QByteArray colour(bool red)
{
    return bytes({kEsc, 'G', red ? '2' : '0'});
}

// One line: cursor to its start, colour, text, a blank, clear to the end
// of the line (the blank is where the clearing starts).
QByteArray lineStream(int row, const QByteArray &text, bool red)
{
    return cursor(row, 0) + colour(red) + text + ' ' + bytes({kEsc, 'K'});
}

char printable(int value)
{
    return char(32 + value);
}

} // namespace

QList<RecordSpec> displayRecords(const QList<QByteArray> &pieces)
{
    QList<RecordSpec> records;
    QByteArray payload(1, char(kStatusShown));
    for (const QByteArray &piece : pieces) {
        if (payload.size() + piece.size() > kMaxPayload && payload.size() > 1) {
            records.append(RecordSpec{kCodeEmulation, payload});
            payload = QByteArray(1, char(kStatusShown));
        }
        payload += piece.left(kMaxPayload - 1);
    }
    if (payload.size() > 1)
        records.append(RecordSpec{kCodeEmulation, payload});
    return records;
}

PanelFront::PanelFront(quint8 node, bool emulatedElsewhere, const QByteArray &leds)
    : m_node(node), m_emulatedElsewhere(emulatedElsewhere), m_leds(leds.left(kLedStateCount))
{
    if (m_leds.isEmpty()) {
        m_leds = QByteArray(kLedStateCount, 0);
        m_leds[kLedProcRun] = 1;
        m_leds[kLedSupplyOn] = 1;
    }
    m_leds.append(QByteArray(kLedStateCount - m_leds.size(), 0));
}

QList<RecordSpec> PanelFront::command(const QByteArray &payload)
{
    if (payload.size() == 1 && payload.at(0) == 0) { // start
        if (m_emulatedElsewhere)
            return {RecordSpec{kCodeEmulation, QByteArray(1, char(kStatusEnded))}};
        m_active = true;
        m_screen = Screen::Main;
        m_selection = 0;
        return drawScreen() + ledRecord();
    }
    if (payload.size() == 1 && payload.at(0) == 1) { // stop
        m_active = false;
        return {RecordSpec{kCodeEmulation, QByteArray(1, char(kStatusEnded))}};
    }
    if (payload.size() == 3 && payload.at(0) == 3 && payload.at(1) == 0 && m_active)
        return key(quint8(payload.at(2)));
    return {};
}

QList<RecordSpec> PanelFront::key(quint8 code)
{
    if (controlKey(code)) {
        // The LEDs changed; the alarm and disablement lists follow them.
        QList<RecordSpec> out;
        if (m_screen == Screen::Alarms || m_screen == Screen::Disablements || m_screen == Screen::Test)
            out += drawScreen();
        return out + ledRecord();
    }
    if (m_screen == Screen::Main) {
        const int old = m_selection;
        if (code >= '1' && code < '1' + kMenuItems) {
            m_selection = code - '1';
            m_screen = Screen(int(Screen::Alarms) + m_selection);
            return drawScreen();
        }
        if (code == kKeyEnter) {
            m_screen = Screen(int(Screen::Alarms) + m_selection);
            return drawScreen();
        }
        if (code == kKeyDown || code == kKeyScroll)
            m_selection = (m_selection + 1) % kMenuItems;
        else if (code == kKeyUp)
            m_selection = (m_selection + kMenuItems - 1) % kMenuItems;
        else
            return {};
        return drawMenuItems(old);
    }
    if (code == kKeyExit || code == kKeyLeft) {
        m_screen = Screen::Main;
        return drawScreen();
    }
    return {};
}

bool PanelFront::controlKey(quint8 code)
{
    auto set = [this](int index, int value) { m_leds[index] = char(value); };
    switch (code) {
    case kKeySilenceBuzzer: set(kLedSilenceBuzzer, 1); break;
    case kKeyReset:
        for (int i : {kLedFire1, kLedFire2, kLedSilenceBuzzer, kLedSound, kLedSoundSilence})
            set(i, 0);
        break;
    case kKeyDisable:
        set(kLedControlsDisable, m_leds.at(kLedControlsDisable) ? 0 : 1);
        set(kLedDisable, m_leds.at(kLedControlsDisable));
        break;
    case kKeyTest: set(kLedTest, m_leds.at(kLedTest) ? 0 : 1); break;
    case kKeySound: set(kLedSound, 1); set(kLedSoundSilence, 0); break;
    case kKeySoundSilence: set(kLedSoundSilence, 1); set(kLedSound, 0); break;
    default: return false;
    }
    return true; // a control key always reports the LEDs
}

QList<PanelFront::Line> PanelFront::linesOf(Screen screen) const
{
    QList<Line> lines;
    const QByteArray panel = QByteArray("PANEL ") + QByteArray::number(m_node).rightJustified(2, '0');
    switch (screen) {
    case Screen::Main:
        lines.append({0, QByteArray("KORVEX FIRE PANEL").leftJustified(32, ' ') + panel, true});
        for (int i = 0; i < kMenuItems; ++i) {
            const bool selected = i == m_selection;
            lines.append({2 + i, QByteArray(selected ? "> " : "  ") + QByteArray::number(i + 1) + "  " + kMenu[i],
                          selected});
        }
        lines.append({7, "1-4 OR ARROWS AND ENTER       EXIT: BACK", false});
        break;
    case Screen::Alarms: {
        lines.append({0, QByteArray("ALARMS AND FAULTS").leftJustified(32, ' ') + panel, true});
        int row = 2;
        if (m_leds.at(kLedFire1) || m_leds.at(kLedFire2))
            lines.append({row++, "FIRE    ZONE 003  LOOP 1  SENSOR 012", true});
        if (m_leds.at(kLedFault))
            lines.append({row++, "FAULT   ZONE 007  LOOP 2  SENSOR 045", false});
        if (row == 2)
            lines.append({row, "NO ALARMS OR FAULTS", false});
        lines.append({7, "RESET: ^K                     EXIT: BACK", false});
        break;
    }
    case Screen::Disablements:
        lines.append({0, QByteArray("DISABLEMENTS").leftJustified(32, ' ') + panel, true});
        lines.append({2, m_leds.at(kLedControlsDisable) ? "ZONE 005  DISABLED" : "NO DISABLEMENTS", false});
        lines.append({7, "DISABLE: ^L                   EXIT: BACK", false});
        break;
    case Screen::Test:
        lines.append({0, QByteArray("TEST").leftJustified(32, ' ') + panel, true});
        lines.append({2, m_leds.at(kLedTest) ? "LAMP TEST RUNNING" : "LAMP TEST OFF", bool(m_leds.at(kLedTest))});
        lines.append({7, "TEST: ^N                      EXIT: BACK", false});
        break;
    case Screen::Levels:
        for (int i = 0; i < 5; ++i) {
            // Labels right of the graph, beyond its axis (column index 29).
            lines.append({i, QByteArray(31, ' ') + "D" + QByteArray::number(i + 1) + " "
                                 + QByteArray::number(kLevels[i]).rightJustified(3, ' ') + "%",
                          kLevels[i] >= kAlarmLevel});
        }
        lines.append({6, QByteArray("DETECTOR LEVELS  LOOP 1").leftJustified(32, ' ') + panel, true});
        lines.append({7, "ALARM AT 80%                  EXIT: BACK", false});
        break;
    }
    return lines;
}

QList<QByteArray> PanelFront::screenLines(Screen screen) const
{
    QList<QByteArray> text(8, QByteArray(40, ' '));
    for (const Line &line : linesOf(screen))
        text[line.row] = padded(line.text);
    return text;
}

QList<RecordSpec> PanelFront::drawScreen() const
{
    // Clear, graphics off (the graph screen turns it on), then line by line.
    QList<QByteArray> pieces{bytes({kEsc, '+'}), bytes({kEsc, '~', '1'})};
    for (const Line &line : linesOf(m_screen))
        pieces.append(lineStream(line.row, line.text, line.red));
    if (m_screen != Screen::Levels)
        return displayRecords(pieces);

    // Graph: axes (a full repaint on the station), bars, then the dotted
    // alarm level.
    QList<QByteArray> graph{bytes({kEsc, '~', '0'})};
    for (int i = 0; i < 6; ++i) {
        const int x = 40 + 30 * i;                    // left edge before the offset of 11
        const int y = 44 - (kLevels[i] * 36 + 50) / 100; // top: 44 is the base, 8 full scale
        graph.append(bytes({kEsc, '%', printable(y), printable(x / 100), printable(x % 100), '0',
                                printable(0), printable(14), kLevels[i] >= kAlarmLevel ? '9' : '8'}));
    }
    for (int x = 36; x <= 236; x += 8) {
        const int v = x - 14;
        graph.append(bytes({kEsc, '^', printable(15), printable(v / 100), printable(v % 100), '8'}));
    }
    return displayRecords(pieces) + displayRecords(graph);
}

QList<RecordSpec> PanelFront::drawMenuItems(int oldSelection) const
{
    // Only the two lines whose marker moved are written again.
    QList<QByteArray> pieces;
    for (const Line &line : linesOf(Screen::Main)) {
        if (line.row == 2 + oldSelection || line.row == 2 + m_selection)
            pieces.append(lineStream(line.row, line.text, line.red));
    }
    return displayRecords(pieces);
}

QList<RecordSpec> PanelFront::ledRecord() const
{
    return {RecordSpec{kCodeLedStates, QByteArray(14, 0) + m_leds}};
}

} // namespace panelsim
