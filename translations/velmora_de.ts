<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CodeTables</name>
    <message>
        <source>Fast Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MCPW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Fire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adj. Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curr. Loop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LON Dev. Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sup.LON Dev.In </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlatched</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latched</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cont.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abnormal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unlogged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>logged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>condition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coincidence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Condition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hausalarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LA alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sprinkler alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday Thusday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunday Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zones On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School Bells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silence Buzzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Switch Unlocked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounder ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounder Silenced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounder Delay ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Brigade Signaled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Brigade Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Brigade Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault Routing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault Routing Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Protection Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event Buffer Full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event Buffer Cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maintenance Reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounder On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounder Fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounder Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounder Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounder Delay On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Brigade On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Brigade Silenced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Brigade Fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Brigade Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Brigade Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Brigade Delay On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault Rounting On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault Rounting Silenced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault Rounting Fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault Rounting Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault Rounting Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault Rounting Delay On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Protection On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Protection Silenced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Protection Fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Protection Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Protection Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Protection Delay On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dev. output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Int. supervised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dev. supervised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curr. loop dev</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curr. loop dev sup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LON Output </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sup. LON Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non inverted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common Fire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common Fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common Condition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External Fire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External Fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External Supply Fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamper Switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service Switch ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault Routing Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault Routing Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire MCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire AUTO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Brigade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zones ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School Bells ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Brigade Delay ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault Routing ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault Routing OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault Routing Delay ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Protection ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Protection OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Protection Delay ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronise Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call on line 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call on line 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call on line 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call on line 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>        </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>)=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>)set-s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>)reset-s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>)set-e</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>)reset-e</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and not</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and(</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and not (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>or</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>or not</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>or (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>or not (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>marker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not marker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FALSE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TRUE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor Soak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output/Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Act+Acc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Act+Acc+Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault Signal on &apos;Fault in line&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Communication To FEP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Communication From FEP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet Number Mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounder Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Souder Test On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounder Test Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Brigade Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Brigade Test On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Brigade Test Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault Routing Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault Routing On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault Routing Test On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault Routing Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault Routing Test Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Protection Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Protection Test On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Protection Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Protection Test Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two Fire On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two Fire Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supply Fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault Routing Fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory Unlocked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service Switch On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access Fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emulation Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VDU Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global Repeater Fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel Fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Repeater Fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CL Device Fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modem Fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mains Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery Test Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low Battery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charger Fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earth Fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External Supply Flt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardware Fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Prot. Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soak Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maitenance Fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BFS Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Brigade return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Üe ausgelöst(FBTriggert)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FSK entriegelt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FSK Sabotage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FSK offen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LA ausgelöst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BFS ausgelöst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host Watchdog Time-out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FEP Watchdog Time-out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divide Error Exeption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Array Bounds Exection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unused Opcode Exection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escape Opcode Exection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numeric Exeption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FEP Communication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LON Communication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nucleus Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LON2000 Restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LON2000 Time-out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FEP Watch Time-out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LA Tripped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone set-up fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aspiration unit set-up fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common condition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common coincidence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maintenance Condition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre Warning Condition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>res</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watchdog timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service mode on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory unlocked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FEP Fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current loop device fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamper switch on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mains off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charger fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earth fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incomplete NET1 setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong time/date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounder disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Brigade disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounder fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Brigade fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External supply fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounder test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Brigade test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checksum fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Repeater fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emulation disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logic disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logic error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardware test fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global Repeater fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No checksum cal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault routing fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire protection fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No FB feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault routing disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soak test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire protection disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault routing test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire protection test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault routing return fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire protection return fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire brigade return fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modem fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VDU disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modem report fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire protection equipment fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault routing equipment fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incomplete NET2 setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network line faulty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate node id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auxiliary supply fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third source fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FSK fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FSK release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FSE input fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FSE input active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EMZ FSK door release in. fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EMZ FSK door release request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FSK door fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FSK door open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FSK security fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FSK unlocked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FSK heater fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BFS disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External alarm (Hauptmelder)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire brigade trigger by FBF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No comm. with CMSI (SDI-A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LON device comm. fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LON controller fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LON device fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No comm. with CMSI (SDI-B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LON device disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd Souder Fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MCP Fire Brigade fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MCP Fire Brigade disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MCP Fire Brigade test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIP-Switch setting error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LA Input return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LA fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LA fault return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager comms fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown pager address </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No pager dongle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LON redundancy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virtual address fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Housealarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BFS triggered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FB triggered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounder Delay OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounder Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Brigade Delay OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Brigade Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Brigade Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EventBuffer Cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory Locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service Mode Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamper Switch Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keylock Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mains On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School Bell On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School Bell Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SounderTest Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soak Test Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Tes tOff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery Detected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Repeater Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logic Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ext. Fault Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modem OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Panel OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global Repeater Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Brigade Signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low Battery OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charger OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earth OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zones Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ext. Supply OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Condition OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keylock Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardware Test Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardware Test End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L. Repeater Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G. Repeater Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current loop device ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault routing on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault routing silenced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault routing delay on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault routing delay off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault routing enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire protection on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire protection silenced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire protection delay on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire protection delay off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire protection enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault routing test off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire protection test off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop test off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modem test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network line Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aux. Supply Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third Source Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Brigade Feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear all event buffers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End of call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BFS enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FSK locked from EMZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FSK door closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FSK locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comm. with CMSI (SDI-A) ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LON device comm.ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LON device fault ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LON controller fault ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comm. with CMSI (SDI-B) ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LON device enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LA Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MCP Fire Biigade Test Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MCP Fire Brigade on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MCP Fire Brigade Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault Ouput to FB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager comms ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MCPM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GCU2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OPT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TEMP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4IO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1IO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3IO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GCU1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2IO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2I/1O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MUL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZMU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CUM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMU+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LCC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ASP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LPB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1OS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2I/O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1IO/ASP1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3IO/ASP2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HMO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N/C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N/O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1(MUL(High))</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2(OPT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3(MUL(Normal))</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4(DUAL)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5(TEMP)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataRetrievePage</name>
    <message>
        <source>You must select a panel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select information to retreive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select a loop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select a range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LON Devices only supported in Host V6.XX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager only supported in Host V8.XX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Zones only supported in Host V10.XX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retrieving %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retrieving %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>log files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spreadsheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DisplayStreamDecoder</name>
    <message>
        <source>Panel already emulated</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmulationPage</name>
    <message>
        <source>Panel :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St&amp;art </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GENERAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FIRE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SUPPLY ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SUPPLY FAULT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAULT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISABLE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SYSTEM FAULT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PROC. RUN.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONTROLS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIL. BUZZER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TEST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3RD SOURCE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOUNDERS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOUND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DELAY ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DELAY OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAULT/DISABLE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SILENCE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PANEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FIRE BRIGADE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIGNAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STOP FB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select a panel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;Text files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IdentifyCallingSite</name>
    <message>
        <source>ON-LINE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The modem ID received from the panel, does not correspond to any of the modem IDs defined in the address book!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Received Modem ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please create a site with the modem ID corresponding to the modem ID received from the panel.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinkDispatch</name>
    <message>
        <source>ON-LINE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IDLE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAITING FOR ACK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO RESPONCE FROM PANEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MESSAGE RECEIVED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFFLINE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO MODEM DETECTED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Memory Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Access Code</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinkRequests</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Busy retreiving data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection out of range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum Inputs </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum Outputs </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>RetrievalDecoders</name>
    <message>
        <source>ON/ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF/ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON/PROGRAMMABLE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZONE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AREA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADJ.AREA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BOARD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHANNEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HOUR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOOP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SENSOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OUTPUT </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PANEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DAY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MONTH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YEAR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LON NR.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INPUT NR.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two-Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INPUT </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OUTPUT NR.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SessionControl</name>
    <message>
        <source>DISCONNECTING...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exception: Invalid own node id.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exception: Unable to open Com:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHECKING FOR MODEM...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACK TIMED OUT</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TARVELIN </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VERSION 11.02</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compatible with  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host software version 4.XX, 5.XX,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6.XX, 7.XX, 8.XX, 11.XX.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDataScopeForm</name>
    <message>
        <source>Data Scope</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDisplay</name>
    <message>
        <source>I/O error: the printer cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I/O error: the printer did not take the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I/O error: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDlgConnect</name>
    <message>
        <source>Connect To...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Modem Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exception: Invalid serial communication setting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to hang up?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exception: Invalid own node id.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exception: Unable to open Com:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHECKING FOR MODEM...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISCONNECTING...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO MODEM DETECTED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INITIALIZING MODEM...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIALING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON-LINE</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDlgDialBack</name>
    <message>
        <source>DialBack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the dialback Telephone number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISCONNECTING...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>TARVELIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Test Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Zone Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot load the picture &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generating report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hangup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;ialback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Alarm reporting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close communication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Scope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Retrieve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central Station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session Filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DCD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RXD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TXD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korvex fire-alarm panel maintenance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and remote supervision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event class:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acknowledge Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non Volatile Sensor Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non Volatile Zone Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non Volatile Area Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non Volatile Loop Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non Volatile Input Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non Volatile Output Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non Volatile Logic Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volatile Sensor Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volatile Zone Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volatile Area Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volatile Loop Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volatile Input Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volatile Output Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volatile Event Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LON Devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Zone :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Test :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exceptions Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Retrieve Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Abort Data Retreive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to &amp;file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SITE INFORMATION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site Modem ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site Directory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site Modem Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network Configuration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Own Node ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log to file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Condition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK to ADD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Sa&amp;ve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Ca&amp;ncel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PANELS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prior record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot edit address book while online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a modem ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A modem ID cannot contain &quot;]&quot; or a line break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A site with this modem ID already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A directory with this name already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a Site first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate Node ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete record?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Port Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Bits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modem Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initialization String</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escape Chatacters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hang up command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone Dialing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse Dialing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone at this location uses : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To access an outside line, first dial </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a serial device or an address tcp://host:port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter an Initialisation String</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter Escape Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a hang up command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Model cannot be blank, contain &quot;]&quot; or be named Index or Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A record with that Model already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPBigPrintForm</name>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPPrintForm</name>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPasswordDlg</name>
    <message>
        <source>Panel Access Code...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter panel access code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRMessage</name>
    <message>
        <source>Generating report...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TdlgDelete</name>
    <message>
        <source>Delete site information:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This site contains historical data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exception: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was not possible to locate and delete the linked folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
