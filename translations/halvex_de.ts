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
    <message>
        <source>Programs left unsaved</source>
        <translation>Ungesicherte Programme</translation>
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
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Week chart</source>
        <translation>Wochenübersicht</translation>
    </message>
    <message>
        <source>The relay&apos;s On time on each day of the week. The arrow keys go from switch to switch; Enter chooses the switch&apos;s step.</source>
        <translation>Die Ein-Zeit des Relais an jedem Wochentag. Die Pfeiltasten gehen von Schaltung zu Schaltung; die Eingabetaste wählt den Schritt der Schaltung.</translation>
    </message>
    <message>
        <source>step %1</source>
        <translation>Schritt %1</translation>
    </message>
    <message>
        <source>steps %1 and %2</source>
        <translation>Schritte %1 und %2</translation>
    </message>
    <message>
        <source>Off all day</source>
        <translation>den ganzen Tag Aus</translation>
    </message>
    <message>
        <source>On all day</source>
        <translation>den ganzen Tag Ein</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>On %1</source>
        <translation>Ein %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>; from %1 to %2 it depends on which of %3 wins</source>
        <translation>; von %1 bis %2 hängt es davon ab, welcher von %3 gewinnt</translation>
    </message>
    <message>
        <source>Step %1 switches %2 at %3 on %4</source>
        <translation>Schritt %1 schaltet %2 um %3 am %4</translation>
    </message>
    <message>
        <source>, the same minute as %1; which wins on the clock is unknown</source>
        <translation>, in derselben Minute wie %1; welcher auf der Uhr gewinnt, ist unbekannt</translation>
    </message>
    <message>
        <source>, the same minute as %1</source>
        <translation>, in derselben Minute wie %1</translation>
    </message>
    <message>
        <source>switches On</source>
        <translation>schaltet Ein</translation>
    </message>
    <message>
        <source>switches Off</source>
        <translation>schaltet Aus</translation>
    </message>
    <message>
        <source>steps clash</source>
        <translation>Schritte im Konflikt</translation>
    </message>
    <message>
        <source>unsure from a clash up to the next switch: which step wins on the clock is unknown</source>
        <translation>unsicher von einem Konflikt bis zur nächsten Schaltung: welcher Schritt auf der Uhr gewinnt, ist unbekannt</translation>
    </message>
    <message>
        <source>Rest the mouse on a mark to see its steps, click it to choose one; or use the arrow keys and Enter.</source>
        <translation>Maus auf einer Marke ruhen lassen, um ihre Schritte zu sehen, klicken, um einen zu wählen; oder Pfeiltasten und Eingabetaste benutzen.</translation>
    </message>
    <message>
        <source>%1 switch at the same minute; which wins on the clock is unknown:</source>
        <translation>%1 schalten in derselben Minute; welcher auf der Uhr gewinnt, ist unbekannt:</translation>
    </message>
</context>
<context>
    <name>WeekChartWindow</name>
    <message>
        <source>Week Chart</source>
        <translation>Wochenübersicht</translation>
    </message>
    <message>
        <source>The bars show the steps alone: they leave out the skip plans and Pulse.</source>
        <translation>Die Balken zeigen nur die Schritte: Jahrespläne und Impuls sind nicht berücksichtigt.</translation>
    </message>
    <message>
        <source>Program checks</source>
        <translation>Programmprüfungen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No skip plan is set.</source>
        <translation>Kein Jahresplan ist gesetzt.</translation>
    </message>
    <message>
        <source>Program checks: none</source>
        <translation>Programmprüfungen: keine</translation>
    </message>
    <message>
        <source>Program checks: %1</source>
        <translation>Programmprüfungen: %1</translation>
    </message>
</context>
</TS>
