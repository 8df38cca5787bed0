#pragma once
// The decoders that the main window's message dispatch calls, one entry
// point per decoder. Each reads the record from LinkSession (ReceiveBuffer or
// DisplayBuffer, through RecordReader) after the dispatch has copied it.
// The defaults do nothing; the retrieval, emulation, alarm and site code
// override the ones they own. A decoder may throw: the reply dispatch drops
// the error, the unsolicited dispatch reports it.

class LinkDecoders
{
public:
    virtual ~LinkDecoders() = default;

    // Replies (WM_USER+0x0D)
    virtual void PanelLimits(int payloadLength) { (void)payloadLength; } // 6
    virtual void SensorConfiguration() {}                 // 7, Non Volatile Sensor Data chosen
    virtual void ZoneTestCollector(int code) { (void)code; } // 7, 24, 25 for other kinds; 46
    virtual void SensorVirtualAddress() {}                // 8, Non Volatile Sensor Data chosen
    virtual void ZoneConfiguration() {}                   // 8, other kinds
    virtual void AreaConfiguration() {}                   // 9
    virtual void LoopConfiguration() {}                   // 10
    virtual void InputConfiguration() {}                  // 11
    virtual void OutputConfiguration() {}                 // 12
    virtual void LogicConfiguration() {}                  // 13
    virtual void SensorValues() {}                        // 24, Volatile Sensor Data chosen
    virtual void ZoneStatus() {}                          // 25, Volatile Zone Data chosen
    virtual void AreaStatus() {}                          // 26
    virtual void EventRecord() {}                         // 27
    virtual void LoopStatus() {}                          // 30
    virtual void InputStatus() {}                         // 31
    virtual void OutputStatus() {}                        // 34
    virtual void HostVersion() {}                         // 37
    virtual void LedStates() {}                           // 54 (reply and unsolicited)
    virtual void LonDevice() {}                           // 71, 74
    virtual void PagerRecord() {}                         // 76
    virtual void SystemZoneRecord() {}                    // 78

    // Unsolicited records (WM_USER+0x0C)
    virtual void AlarmReport() {}                         // 28
    virtual void DisplayStream() {}                       // 39
    virtual void IdentifyCallingSite() {}                 // 66
};

// A decoder table that hands every entry on to the table that was in force
// before it. A subsystem derives from it and overrides only the entries it
// owns, so it plugs in without replacing anyone else's decoders.
class ForwardingDecoders : public LinkDecoders
{
public:
    explicit ForwardingDecoders(LinkDecoders &next) : m_next(next) {}

    void PanelLimits(int payloadLength) override { m_next.PanelLimits(payloadLength); }
    void SensorConfiguration() override { m_next.SensorConfiguration(); }
    void ZoneTestCollector(int code) override { m_next.ZoneTestCollector(code); }
    void SensorVirtualAddress() override { m_next.SensorVirtualAddress(); }
    void ZoneConfiguration() override { m_next.ZoneConfiguration(); }
    void AreaConfiguration() override { m_next.AreaConfiguration(); }
    void LoopConfiguration() override { m_next.LoopConfiguration(); }
    void InputConfiguration() override { m_next.InputConfiguration(); }
    void OutputConfiguration() override { m_next.OutputConfiguration(); }
    void LogicConfiguration() override { m_next.LogicConfiguration(); }
    void SensorValues() override { m_next.SensorValues(); }
    void ZoneStatus() override { m_next.ZoneStatus(); }
    void AreaStatus() override { m_next.AreaStatus(); }
    void EventRecord() override { m_next.EventRecord(); }
    void LoopStatus() override { m_next.LoopStatus(); }
    void InputStatus() override { m_next.InputStatus(); }
    void OutputStatus() override { m_next.OutputStatus(); }
    void HostVersion() override { m_next.HostVersion(); }
    void LedStates() override { m_next.LedStates(); }
    void LonDevice() override { m_next.LonDevice(); }
    void PagerRecord() override { m_next.PagerRecord(); }
    void SystemZoneRecord() override { m_next.SystemZoneRecord(); }
    void AlarmReport() override { m_next.AlarmReport(); }
    void DisplayStream() override { m_next.DisplayStream(); }
    void IdentifyCallingSite() override { m_next.IdentifyCallingSite(); }

private:
    LinkDecoders &m_next;
};

// Item indexes of ComboBoxDataRetrieveInfo that select a second meaning of
// replies 7, 8, 24 and 25.
namespace retrievekind {
constexpr int NonVolatileSensorData = 0;
constexpr int VolatileSensorData = 7;
constexpr int VolatileZoneData = 8;
} // namespace retrievekind
