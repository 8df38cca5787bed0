#pragma once
// The emulation's two entries of the main window's decoder table: the
// display stream (unsolicited code 39) and the LED states (code 54, reply or
// unsolicited). Every other decoder is handed on to the table that was in
// force before, so the emulation plugs in without replacing anyone's.

#include "EmulationPage.h"
#include "LinkDecoders.h"

class EmulationDecoders : public LinkDecoders
{
public:
    EmulationDecoders(EmulationPage &page, LinkDecoders &next) : m_page(page), m_next(next) {}

    void DisplayStream() override { m_page.DecodeDisplayStream(); }
    void LedStates() override { m_page.UpdateLeds(); }

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
    void LonDevice() override { m_next.LonDevice(); }
    void PagerRecord() override { m_next.PagerRecord(); }
    void SystemZoneRecord() override { m_next.SystemZoneRecord(); }
    void AlarmReport() override { m_next.AlarmReport(); }
    void IdentifyCallingSite() override { m_next.IdentifyCallingSite(); }

private:
    EmulationPage &m_page;
    LinkDecoders &m_next;
};
