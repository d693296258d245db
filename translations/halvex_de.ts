<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>EraseDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Erase all steps</source>
        <translation>Alle Schritte löschen</translation>
    </message>
    <message>
        <source>Erase all annuals</source>
        <translation>Alle Jahrespläne löschen</translation>
    </message>
</context>
<context>
    <name>LayoutDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>MainWindowForm</name>
    <message>
        <source>Step relay</source>
        <translation>Relais des Schritts</translation>
    </message>
    <message>
        <source>Step number</source>
        <translation>Schrittnummer</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Step list</source>
        <translation>Schrittliste</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>Erases the steps, the annuals or both</source>
        <translation>Löscht die Schritte, die Jahrespläne oder beides</translation>
    </message>
    <message>
        <source>Configure Buffer</source>
        <translation>Speicher einrichten</translation>
    </message>
    <message>
        <source>Chooses 16 steps and 10 annuals, or 30 steps and 3 annuals</source>
        <translation>Wählt 16 Schritte und 10 Jahrespläne oder 30 Schritte und 3 Jahrespläne</translation>
    </message>
    <message>
        <source>Annual number</source>
        <translation>Nummer des Jahresplans</translation>
    </message>
    <message>
        <source>Start month</source>
        <translation>Anfangsmonat</translation>
    </message>
    <message>
        <source>Start day</source>
        <translation>Anfangstag</translation>
    </message>
    <message>
        <source>Start year</source>
        <translation>Anfangsjahr</translation>
    </message>
    <message>
        <source>End month</source>
        <translation>Endmonat</translation>
    </message>
    <message>
        <source>End day</source>
        <translation>Endtag</translation>
    </message>
    <message>
        <source>End year</source>
        <translation>Endjahr</translation>
    </message>
    <message>
        <source>Annual list</source>
        <translation>Liste der Jahrespläne</translation>
    </message>
    <message>
        <source>Status relay</source>
        <translation>Relais im Status</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Impuls</translation>
    </message>
</context>
<context>
    <name>PortDialog</name>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Unplugged: %1</source>
        <translation>Nicht angeschlossen: %1</translation>
    </message>
    <message>
        <source>Unplugged: %1 (%2)</source>
        <translation>Nicht angeschlossen: %1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2), now %3</source>
        <translation>%1 (%2), jetzt %3</translation>
    </message>
    <message>
        <source> It is not plugged in.</source>
        <translation> Es ist nicht angeschlossen.</translation>
    </message>
    <message>
        <source>COM%1 reaches no device: the choice made for it cannot be read.</source>
        <translation>COM%1 führt zu keinem Gerät: die Wahl dafür kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>COM%1 reaches %2, set by %3 for this run.</source>
        <translation>COM%1 führt zu %2, für diesen Lauf gesetzt durch %3.</translation>
    </message>
    <message>
        <source>COM%1 reaches %2, the computer&apos;s own serial port.</source>
        <translation>COM%1 führt zu %2, der eigenen seriellen Schnittstelle des Computers.</translation>
    </message>
    <message>
        <source>COM%1 reaches %2, which is not plugged in.</source>
        <translation>COM%1 führt zu %2, das nicht angeschlossen ist.</translation>
    </message>
    <message>
        <source>COM%1 reaches %2.</source>
        <translation>COM%1 führt zu %2.</translation>
    </message>
    <message>
        <source> That is %1 now.</source>
        <translation> Das ist jetzt %1.</translation>
    </message>
</context>
<context>
    <name>RecoverDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>WeekChartView</name>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Marks: the steps&apos; switches (rest the mouse on one, click to choose it)</source>
        <translation>Marken: die Schaltungen der Schritte (Maus darauf ruhen lassen, klicken zum Auswählen)</translation>
    </message>
</context>
</TS>
