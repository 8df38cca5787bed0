#pragma once
// The emulation's two entries of the main window's decoder table: the
// display stream (unsolicited code 39) and the LED states (code 54, reply or
// unsolicited). Every other decoder is handed on to the table that was in
// force before, so the emulation plugs in without replacing anyone's.

#include "EmulationPage.h"
#include "LinkDecoders.h"

class EmulationDecoders : public ForwardingDecoders
{
public:
    EmulationDecoders(EmulationPage &page, LinkDecoders &next) : ForwardingDecoders(next), m_page(page) {}

    void DisplayStream() override { m_page.DecodeDisplayStream(); }
    void LedStates() override { m_page.UpdateLeds(); }

private:
    EmulationPage &m_page;
};
